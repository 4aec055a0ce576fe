#include "win/widgets/application.h"

#include <utility>

#include "win/platform/text.h"
#include "win/widgets/form.h"
#include "win/widgets/window_class.h"

namespace tw::win {
namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

HWND CreateApplicationWindow(const std::wstring& title, WNDPROC procedure) {
  RegisterWindowClass(kApplicationClass, kProgramIcon);
  // Of no size, so never seen on the screen: it owns the main window and,
  // while shown, carries the taskbar button, which goes when it is hidden.
  HWND window =
      CreateWindowExW(0, kApplicationClass, title.c_str(), WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                      0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window) SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  return window;
}

}  // namespace

Application& Application::Instance() {
  static Application application;
  return application;
}

void Application::Initialize(std::wstring title, std::wstring helpFile) {
  title_ = std::move(title);
  helpFile_ = std::move(helpFile);
  if (!window_) window_ = CreateApplicationWindow(title_, &Application::WindowProc);
}

LRESULT CALLBACK Application::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const Application& application = Instance();
  // No C++ exception may unwind through the window system.
  try {
    switch (message) {
      case WM_SYSCOMMAND:
        if (application.OnSystemCommand && application.OnSystemCommand(wParam & 0xFFF0)) return 0;
        break;
      case WM_SETFOCUS:
        application.PassFocusToMainForm();
        return 0;
      case WM_CLOSE:
        // "Close" on the taskbar button is the main window's close request;
        // left to the system it would destroy this window and the main
        // window with it, unsaved.
        if (application.mainForm_ && application.mainForm_->Handle())
          PostMessageW(application.mainForm_->Handle(), WM_CLOSE, 0, 0);
        return 0;
      default:
        break;
    }
  } catch (const std::exception& error) {
    application.ShowException(error);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Application::PassFocusToMainForm() const {
  if (!mainForm_ || !mainForm_->Handle() || !IsWindowVisible(mainForm_->Handle())) return;
  HWND main = mainForm_->Handle();
  SetFocus(IsWindowEnabled(main) ? main : GetLastActivePopup(main));
}

bool Application::TranslateShortCut(const MSG& message) const {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (!mainForm_ || !mainForm_->Handle() || !IsWindowVisible(mainForm_->Handle())) return false;
  HWND main = mainForm_->Handle();
  if (message.hwnd != main && !IsChild(main, message.hwnd)) return false;
  return mainForm_->HandleShortcut(static_cast<UINT>(message.wParam));
}

void Application::Dispatch(MSG& message) const {
  if (TranslateShortCut(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

int Application::Run() {
  MSG message{};
  // A modal loop of the window system may take the quit message and drop
  // it (Wine's move loop ends on it without posting it again); the flag
  // ends this loop all the same once that loop has returned.
  while (!terminated_ && GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  const bool terminated = std::exchange(terminated_, false);
  // Nothing after the loop may see a quit that is still waiting.
  MSG waitingQuit;
  PeekMessageW(&waitingQuit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  return terminated ? 0 : static_cast<int>(message.wParam);
}

void Application::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // keep it for the main loop
      return;
    }
    Dispatch(message);
  }
}

HWND Application::MessageOwner() const {
  const bool mainShown = mainForm_ && mainForm_->Handle() && IsWindowVisible(mainForm_->Handle());
  return mainShown ? mainForm_->Handle() : window_;
}

void Application::ShowMessage(const std::wstring& text) const {
  MessageBoxW(MessageOwner(), text.c_str(), title_.c_str(), MB_OK);
}

void Application::ShowException(const std::exception& error) const {
  MessageBoxW(MessageOwner(), Widen(error.what()).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace tw::win
