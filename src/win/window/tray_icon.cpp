#include "win/window/tray_icon.h"

#include <shellapi.h>

#include <exception>
#include <utility>

#include "resource_ids.h"
#include "win/widgets/application.h"
#include "win/widgets/window_class.h"

namespace tw::win {
namespace {

constexpr wchar_t kWindowClass[] = L"TintwrightTrayIcon";
constexpr UINT kIconId = 1;
constexpr UINT kIconMessage = WM_USER + 1;
constexpr wchar_t kTip[] = L"Tintwright";

HWND ApplicationWindow() { return Application::Instance().Handle(); }

HICON LoadTrayImage() {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY),
                                       IMAGE_ICON, 16, 16, LR_SHARED));
}

}  // namespace

TrayIcon::TrayIcon(Form& form, PopupMenu& menu) : form_(form), menu_(menu) {
  RegisterWindowClass(kWindowClass);
  // A top-level window, unlike a message-only one, hears the shell's
  // broadcast when the taskbar comes back.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayIcon::WindowProc));
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  icon_ = std::make_unique<NotifyIcon>(window_, kIconId, kIconMessage, LoadTrayImage(), kTip);
  // Hidden with no icon to come back through would be lost for good.
  icon_->OnAddFailed = [this] {
    if (!ProgramShown()) ShowProgram();
  };
  Application::Instance().OnSystemCommand = [this](WPARAM command) {
    return SystemCommand(command);
  };
  icon_->Add();
}

TrayIcon::~TrayIcon() {
  Application::Instance().OnSystemCommand = nullptr;
  icon_.reset();
  DestroyWindow(window_);
}

void TrayIcon::SetActive(bool active) {
  active_ = active;
  if (active) {
    icon_->Add();
  } else {
    icon_->Remove();
  }
}

bool TrayIcon::CanHideProgram() const { return active_ && (icon_->Shown() || icon_->AddPending()); }

bool TrayIcon::ProgramShown() const { return !IsIconic(ApplicationWindow()); }

void TrayIcon::HideProgram() {
  HWND application = ApplicationWindow();
  if (ProgramShown()) ShowWindow(application, SW_MINIMIZE);
  // Not every system hides the owned windows of a minimized window itself.
  ShowWindow(form_.Handle(), SW_HIDE);
  ShowWindow(application, SW_HIDE);
}

void TrayIcon::ShowProgram() {
  HWND application = ApplicationWindow();
  ShowWindow(application, SW_SHOW);
  if (ProgramShown() && IsWindowVisible(form_.Handle())) return;
  ShowWindow(application, SW_RESTORE);
  // A window that was only hidden along with the program comes back as it
  // was; one that was never on screen gets its first show.
  if (form_.Visible()) {
    ShowWindow(form_.Handle(), SW_SHOW);
  } else if (OnFirstShow) {
    OnFirstShow();
  }
  SetForegroundWindow(form_.Handle());
}

bool TrayIcon::SystemCommand(WPARAM command) {
  if (!active_) return false;
  if (command == SC_MINIMIZE) {
    // With no icon to come back through, the minimize stays an ordinary
    // one that keeps the taskbar button.
    if (!CanHideProgram()) return false;
    HideProgram();
    return true;
  }
  if (command == SC_RESTORE && !ProgramShown()) {
    ShowProgram();
    return true;
  }
  return false;
}

LRESULT CALLBACK TrayIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* tray = reinterpret_cast<TrayIcon*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // No C++ exception may unwind through the window system.
  try {
    if (tray) return tray->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    Application::Instance().ShowException(error);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kIconMessage) {
    IconEvent(LOWORD(lParam));
    return 0;
  }
  if (message == taskbarCreated_) {
    // The new taskbar has no icon, whatever this side remembers.
    icon_->Forget();
    if (active_) icon_->Add();
    return 0;
  }
  switch (message) {
    case WM_TIMER:
      if (wParam == NotifyIcon::kRetryTimer) icon_->Retry();
      return 0;
    case WM_ENDSESSION:
      if (wParam) {
        icon_->Remove();
      } else if (active_) {
        icon_->Add();
      }
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void TrayIcon::IconEvent(UINT event) {
  switch (event) {
    case WM_LBUTTONDOWN:
      pressed_ = true;
      break;
    case WM_LBUTTONUP:
      // The up of a double click has no press of its own: a double click
      // acts as its first click alone.
      if (!std::exchange(pressed_, false) || BringOpenDialogForward()) break;
      if (ProgramShown()) {
        HideProgram();
      } else {
        ShowProgram();
      }
      break;
    case WM_CONTEXTMENU:
    case NIN_KEYSELECT:
      OpenMenu();
      break;
    default:
      break;
  }
}

void TrayIcon::OpenMenu() {
  if (BringOpenDialogForward()) return;
  POINT at;
  GetCursorPos(&at);
  // The documented sequence: without it the menu would not close on a click
  // elsewhere.
  SetForegroundWindow(window_);
  menu_.Show(form_, at, window_);
  PostMessageW(window_, WM_NULL, 0, 0);
}

bool TrayIcon::BringOpenDialogForward() const {
  // A modal dialog disables its owner: the main window, or the application
  // window when the main window was off screen.
  HWND owner = !IsWindowEnabled(form_.Handle())        ? form_.Handle()
               : !IsWindowEnabled(ApplicationWindow()) ? ApplicationWindow()
                                                       : nullptr;
  if (!owner) return false;
  SetForegroundWindow(GetLastActivePopup(owner));
  return true;
}

}  // namespace tw::win
