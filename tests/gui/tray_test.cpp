// The tray icon of the real main window, in the notification area of Wine's
// desktop, driven with the pointer as a user would.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

#include "resource_ids.h"
#include "shell_support.h"
#include "test_support.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Application;
using win::MainWindow;

class TrayTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    Application::Instance().SetMainForm(window_.get());
  }
  void TearDown() override {
    Application::Instance().SetMainForm(nullptr);
    window_.reset();
    // The quit that an ended main window posts belongs to the program's loop.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  }

  MainWindow& Window() { return *window_; }
  HWND Main() { return window_->Handle(); }
  static HWND ApplicationWindow() { return Application::Instance().Handle(); }

  // What the shell knows: it changes only an icon that it has.
  bool ShellHasIcon() {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = window_->Tray().MessageWindow();
    icon.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
  }
  POINT IconOnScreen() {
    HICON image = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON, 16, 16, 0));
    POINT center{};
    const bool found = WaitUntil([&] { return FindTrayIconOnScreen(image, center); });
    DestroyIcon(image);
    EXPECT_TRUE(found) << "the icon's picture is not in the notification area";
    return center;
  }
  // Two clicks at one place in quick succession make a double click, which
  // acts as its first click alone; clicks meant as separate ones go to
  // places further apart than a double click allows.
  static POINT OtherPlaceOn(POINT icon) { return {icon.x + 6, icon.y}; }
  bool ProgramHidden() {
    return !IsWindowVisible(Main()) && !IsWindowVisible(ApplicationWindow()) &&
           IsIconic(ApplicationWindow());
  }
  bool ProgramShown() {
    return IsWindowVisible(Main()) && IsWindowVisible(ApplicationWindow()) &&
           !IsIconic(ApplicationWindow());
  }
  // Lets the program's own loop run: the menu's shortcuts and the quit.
  bool RunUntil(const std::function<bool()>& condition) {
    return WaitUntil([&] {
      Application::Instance().ProcessMessages();
      return condition();
    });
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(TrayTest, IconShowsItsPictureAndTip) {
  ASSERT_TRUE(WaitUntil([&] { return Window().Tray().IconShown(); }));
  EXPECT_TRUE(ShellHasIcon());
  const POINT icon = IconOnScreen();
  EXPECT_EQ(TrayTipAt(icon), L"Tintwright");
}

TEST_F(TrayTest, LeftClicksHideAndShowTheProgramAndItsTaskbarButton) {
  Window().Show();
  ASSERT_TRUE(WaitForTaskbarButton(ApplicationWindow(), true));
  const POINT icon = IconOnScreen();
  ClickAt(icon);
  EXPECT_TRUE(WaitUntil([&] { return ProgramHidden(); }));
  EXPECT_TRUE(WaitForTaskbarButton(ApplicationWindow(), false));
  EXPECT_TRUE(WaitForTaskbarButton(Main(), false));
  ClickAt(OtherPlaceOn(icon));
  EXPECT_TRUE(WaitUntil([&] { return ProgramShown(); }));
  EXPECT_TRUE(WaitForTaskbarButton(ApplicationWindow(), true));
}

TEST_F(TrayTest, MinimizeHidesToTheTrayAndRestoreBringsBack) {
  Window().Show();
  // What the taskbar button sends, and what another copy sends on a start.
  SendMessageW(ApplicationWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(ProgramHidden());
  EXPECT_TRUE(ShellHasIcon());
  SendMessageW(ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(ProgramShown());
}

TEST_F(TrayTest, IconComesBackWhenTheTaskbarIsMadeAgain) {
  ASSERT_TRUE(WaitUntil([&] { return Window().Tray().IconShown(); }));
  // A shell that restarts has lost every icon, then says so to all.
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = Window().Tray().MessageWindow();
  icon.uID = 1;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  ASSERT_FALSE(ShellHasIcon());
  PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ShellHasIcon(); }));
  EXPECT_TRUE(Window().Tray().IconShown());
}

struct CloseCase {
  const char* name;
  bool stayInTray;
  bool fromTaskbar;  // "Close" on the taskbar button, else the window's own
  bool hides;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class TrayClose : public TrayTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(TrayClose, ClosingHidesOnlyWhileStayingInTheTray) {
  if (Window().FindMenuItem(L"StayinSystemTray1")->Checked != GetParam().stayInTray)
    Window().FindMenuItem(L"StayinSystemTray1")->Click();
  Window().Show();
  if (GetParam().fromTaskbar) {
    PostMessageW(ApplicationWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  } else {
    PostMessageW(Main(), WM_CLOSE, 0, 0);
  }
  if (GetParam().hides) {
    EXPECT_TRUE(RunUntil([&] { return ProgramHidden(); }));
    EXPECT_NE(Main(), nullptr);
  } else {
    EXPECT_TRUE(RunUntil([&] { return Main() == nullptr; }));
    // Ended as "Exit" ends: the settings are saved.
    window_.reset();
    EXPECT_NE(
        ReadFileBytes(folder_.Path() / L"Tintwright.ini").find("StayinSystemTray1_Checked=FALSE"),
        std::string::npos);
  }
  EXPECT_TRUE(IsWindow(ApplicationWindow()));
}

INSTANTIATE_TEST_SUITE_P(Choices, TrayClose,
                         testing::Values(CloseCase{"StayingInTray", true, false, true},
                                         CloseCase{"NotStaying", false, false, false},
                                         CloseCase{"StayingInTrayFromTaskbar", true, true, true},
                                         CloseCase{"NotStayingFromTaskbar", false, true, false}),
                         [](const testing::TestParamInfo<CloseCase>& info) {
                           return info.param.name;
                         });

TEST_F(TrayTest, RightClickOpensTheMainMenuWhoseExitEndsAHiddenProgram) {
  Window().Show();
  const POINT icon = IconOnScreen();
  ClickAt(icon);
  ASSERT_TRUE(WaitUntil([&] { return ProgramHidden(); }));
  PopupMenuWatcher watcher(true);
  ClickAt(OtherPlaceOn(icon), true);
  EXPECT_TRUE(RunUntil([&] { return Main() == nullptr; }));
  ASSERT_TRUE(watcher.Seen());
  const std::vector<MenuLine>& lines = watcher.Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front().text, L"Always on Top");
  EXPECT_EQ(lines.back().text, L"Exit\tAlt+F4");
}

TEST_F(TrayTest, IconOnlyBringsAnOpenDialogForward) {
  Window().Show();
  const HWND tray = Window().Tray().MessageWindow();
  bool answeredAtOnce = false;
  bool stayedShown = false;
  std::thread user([&] {
    MessageBoxSeen seen;
    HWND box = nullptr;
    if (!WaitForMessageBox(GetCurrentProcessId(), seen, box)) return;
    DWORD_PTR ignored = 0;
    // A menu that opened would keep these sends waiting until it closed.
    answeredAtOnce =
        SendMessageTimeoutW(tray, WM_USER + 1, 1, WM_CONTEXTMENU, SMTO_BLOCK, 3000, &ignored) &&
        SendMessageTimeoutW(tray, WM_USER + 1, 1, WM_LBUTTONDOWN, SMTO_BLOCK, 3000, &ignored) &&
        SendMessageTimeoutW(tray, WM_USER + 1, 1, WM_LBUTTONUP, SMTO_BLOCK, 3000, &ignored);
    stayedShown = IsWindowVisible(Main()) && GetForegroundWindow() == box;
    PressOk(box);
  });
  Application::Instance().ShowMessage(L"A dialog of the program");
  user.join();
  EXPECT_TRUE(answeredAtOnce);
  EXPECT_TRUE(stayedShown);
  EXPECT_NE(Main(), nullptr);
}

TEST_F(TrayTest, WithoutAnIconClosingEndsAndAHiddenStartShows) {
  Window().RemoveTrayIcon();
  EXPECT_FALSE(ShellHasIcon());
  ASSERT_TRUE(Window().FindMenuItem(L"StayinSystemTray1")->Checked);
  Window().StartHiddenInTray();
  EXPECT_TRUE(ProgramShown());
  PostMessageW(Main(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(RunUntil([&] { return Main() == nullptr; }));
}

TEST_F(TrayTest, HiddenStartShowsTheWindowForTheFirstTimeOnAClick) {
  Window().SetStartColorCode(L"ff8000");
  Window().StartHiddenInTray();
  EXPECT_TRUE(ProgramHidden());
  EXPECT_FALSE(Window().Visible()) << "never shown yet";
  const POINT icon = IconOnScreen();
  ClickAt(icon);
  ASSERT_TRUE(WaitUntil([&] { return ProgramShown(); }));
  EXPECT_EQ(Window().Current().Value(), static_cast<TColor>(RGB(255, 128, 0)))
      << "the first show applies the color";
  // Hidden and brought back, the window is the same: nothing is applied again.
  Window().Current().Set(static_cast<TColor>(RGB(1, 2, 3)), false);
  ClickAt(OtherPlaceOn(icon));
  ASSERT_TRUE(WaitUntil([&] { return ProgramHidden(); }));
  ClickAt(icon);
  ASSERT_TRUE(WaitUntil([&] { return ProgramShown(); }));
  EXPECT_EQ(Window().Current().Value(), static_cast<TColor>(RGB(1, 2, 3)));
}

}  // namespace
}  // namespace tw::test
