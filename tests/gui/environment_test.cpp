// Checks of the Wine setup that the other GUI tests stand on (made by
// tools/wine-prefix.sh). When one of these fails, fix the prefix before
// reading anything into the failures of the tests that drive the program.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "test_support.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

using namespace std::chrono_literals;

// The virtual desktop size set in tools/wine-prefix.sh. tools/test.sh runs
// Xvfb with a larger screen, so a prefix without the virtual desktop shows
// the screen's size here instead.
constexpr LONG kDesktopWidth = 1280;
constexpr LONG kDesktopHeight = 1024;

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Windows itself needs none of this; only Wine's setup is checked.
class WineEnvironment : public testing::Test {
 protected:
  void SetUp() override {
    if (!RunningUnderWine()) GTEST_SKIP() << "not running under Wine";
  }
};

TEST_F(WineEnvironment, DesktopIsTheVirtualOneOfTheConfiguredSize) {
  RECT desktop{};
  ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &desktop));
  EXPECT_EQ(desktop.left, 0);
  EXPECT_EQ(desktop.top, 0);
  EXPECT_EQ(desktop.right, kDesktopWidth);
  EXPECT_EQ(desktop.bottom, kDesktopHeight);
}

// Without the fonts copied into the prefix, Marlett's glyphs (close cross,
// check marks) come out as plain letters and Tahoma falls back to another face.
class InstalledFont : public WineEnvironment, public testing::WithParamInterface<const char*> {};

int CALLBACK NoteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one face of the family is enough
}

TEST_P(InstalledFont, IsEnumerated) {
  const std::string family = GetParam();
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  ASSERT_LT(family.size(), std::size(query.lfFaceName));
  std::copy(family.begin(), family.end(), query.lfFaceName);

  bool found = false;
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  EnumFontFamiliesExW(screen, &query, NoteFontFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  EXPECT_TRUE(found) << family << " is not installed in the prefix";
}

INSTANTIATE_TEST_SUITE_P(WineFonts, InstalledFont, testing::Values("Marlett", "Tahoma"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param);
                         });

// The tray icon needs a notification area. Wine's desktop process makes a
// hidden Shell_TrayWnd a moment after the desktop itself, and only on the
// virtual desktop does it show the icons added.
TEST_F(WineEnvironment, NotificationAreaShowsAnAddedIcon) {
  HWND tray = nullptr;
  ASSERT_TRUE(tw::test::WaitUntil(
      [&tray] { return (tray = FindWindowW(L"Shell_TrayWnd", nullptr)) != nullptr; }, 5s))
      << "no notification area: is Wine's desktop process running?";

  HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = owner;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_TIP;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wcscpy_s(icon.szTip, L"environment test");

  EXPECT_TRUE(Shell_NotifyIconW(NIM_ADD, &icon));
  EXPECT_TRUE(tw::test::WaitUntil([tray] { return IsWindowVisible(tray) != FALSE; }, 5s))
      << "the notification area did not show the icon";
  Shell_NotifyIconW(NIM_DELETE, &icon);
  DestroyWindow(owner);
}

}  // namespace
