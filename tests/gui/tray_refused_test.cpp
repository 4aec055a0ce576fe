// A notification area that refuses the icon: the program is never left
// hidden with no way back.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>

#include "test_support.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Application;
using win::MainWindow;

// Stands in for the shell: a window of the notification area's class, made
// after the real one and so found first, that refuses every request. (Wine's
// side of Shell_NotifyIconW sends each request to that window as
// WM_COPYDATA.)
class RefusingShell {
 public:
  RefusingShell() {
    WNDCLASSW shellClass{};
    shellClass.lpfnWndProc = &RefusingShell::WindowProc;
    shellClass.hInstance = GetModuleHandleW(nullptr);
    shellClass.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&shellClass);
    window_ = CreateWindowExW(0, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  ~RefusingShell() {
    DestroyWindow(window_);
    UnregisterClassW(L"Shell_TrayWnd", GetModuleHandleW(nullptr));
  }
  RefusingShell(const RefusingShell&) = delete;
  RefusingShell& operator=(const RefusingShell&) = delete;

  bool FoundFirst() const { return FindWindowW(L"Shell_TrayWnd", nullptr) == window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) return FALSE;
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
};

class TrayRefusedTest : public testing::Test {
 protected:
  void TearDown() override {
    Application::Instance().SetMainForm(nullptr);
    window_.reset();
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }
  MainWindow& Create() {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    Application::Instance().SetMainForm(window_.get());
    return *window_;
  }
  bool ProgramShown() {
    return IsWindowVisible(window_->Handle()) && IsWindowVisible(Application::Instance().Handle());
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(TrayRefusedTest, HiddenStartShowsAndCloseEndsWhenTheIconIsRefused) {
  RefusingShell shell;
  ASSERT_TRUE(shell.FoundFirst());
  MainWindow& window = Create();
  EXPECT_FALSE(window.Tray().IconShown());
  EXPECT_FALSE(window.Tray().IconAddPending());
  window.StartHiddenInTray();
  EXPECT_TRUE(ProgramShown());
  // Though it stays in the tray, a close ends the program: there is no tray.
  ASSERT_TRUE(window.FindMenuItem(L"StayinSystemTray1")->Checked);
  PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] {
    Application::Instance().ProcessMessages();
    return window.Handle() == nullptr;
  }));
}

TEST_F(TrayRefusedTest, MinimizeKeepsTheTaskbarButtonWhenTheIconIsRefused) {
  RefusingShell shell;
  ASSERT_TRUE(shell.FoundFirst());
  MainWindow& window = Create();
  window.Show();
  ASSERT_FALSE(window.Tray().IconShown());
  const HWND application = Application::Instance().Handle();
  // What the taskbar button sends.
  SendMessageW(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(application)) << "an ordinary minimize";
  // A shown application window is the taskbar button (the shell stand-in
  // hides the real taskbar from a search for it).
  EXPECT_TRUE(IsWindowVisible(application)) << "the taskbar button must stay";
  SendMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(WaitUntil([&] { return ProgramShown() && !IsIconic(application); }));
}

TEST_F(TrayRefusedTest, HiddenProgramComesBackWhenANewTaskbarRefusesTheIcon) {
  MainWindow& window = Create();
  window.Show();
  ASSERT_TRUE(WaitUntil([&] { return window.Tray().IconShown(); }));
  window.Tray().HideProgram();
  ASSERT_FALSE(ProgramShown());
  RefusingShell shell;
  ASSERT_TRUE(shell.FoundFirst());
  SendMessageW(window.Tray().MessageWindow(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_FALSE(window.Tray().IconShown());
  EXPECT_TRUE(WaitUntil([&] { return ProgramShown(); }));
}

}  // namespace
}  // namespace tw::test
