// The real exe on a screen of 144 dots per inch.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "test_support.h"
#include "win/window/command_ids.h"

namespace tw::test {
namespace {

// Sets the resolution that Wine gives the programs started meanwhile, and
// puts the old setting back.
class ScreenResolution {
 public:
  explicit ScreenResolution(DWORD dotsPerInch) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                    KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    DWORD old = 0;
    DWORD size = sizeof(old);
    if (RegQueryValueExW(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&old), &size) ==
        ERROR_SUCCESS) {
      old_ = old;
    }
    RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dotsPerInch),
                   sizeof(dotsPerInch));
  }
  ~ScreenResolution() {
    if (old_) {
      RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*old_),
                     sizeof(DWORD));
    } else {
      RegDeleteValueW(key_, kValue);
    }
    RegCloseKey(key_);
  }
  ScreenResolution(const ScreenResolution&) = delete;
  ScreenResolution& operator=(const ScreenResolution&) = delete;

 private:
  static constexpr const wchar_t* kValue = L"LogPixels";
  HKEY key_ = nullptr;
  std::optional<DWORD> old_;
};

struct ButtonFinder {
  const wchar_t* text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM lParam) {
  auto& finder = *reinterpret_cast<ButtonFinder*>(lParam);
  if (WindowText(child) == finder.text) {
    finder.found = child;
    return FALSE;
  }
  return TRUE;
}

RECT PlaceInParent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(HighDpi, At144DpiEveryPlaceSizeAndTheWheelScale) {
  TempFolder folder;
  ScreenResolution resolution(144);
  ProgramRun run(folder, L"");
  HWND window = run.WaitForMainWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 729) << "486 × 1.5";
  EXPECT_EQ(client.bottom, 423) << "282 × 1.5";
  // Places scale as the window system's MulDiv does, halves away from zero.
  ButtonFinder invert{L"Invert"};
  EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&invert));
  ASSERT_NE(invert.found, nullptr);
  const RECT button = PlaceInParent(invert.found);
  EXPECT_EQ(button.left, 6);
  EXPECT_EQ(button.top, 6);
  EXPECT_EQ(button.right - button.left, 86);
  EXPECT_EQ(button.bottom - button.top, 35);
  const RECT panel = PlaceInParent(GetParent(invert.found));
  EXPECT_EQ(panel.left, 467);
  EXPECT_EQ(panel.top, 5);
  EXPECT_EQ(panel.right - panel.left, 98);
  EXPECT_EQ(panel.bottom - panel.top, 159);
  // The wheel, 155 pixels at (569, 7), is built for its size: white at its
  // centre and red straight above it, at the start color's value 225.
  EXPECT_TRUE(WaitUntil([&] {
    return ScreenPixel(window, {569 + 77, 7 + 77}) == RGB(225, 225, 225) &&
           ScreenPixel(window, {569 + 77, 7}) == RGB(225, 0, 0);
  })) << std::hex
      << ScreenPixel(window, {569 + 77, 7 + 77});
  const LONG frameWidth = [&] {
    RECT outer;
    GetWindowRect(window, &outer);
    return (outer.right - outer.left) - client.right;
  }();
  PostMessageW(window, WM_COMMAND, win::kExitCommand, 0);
  ASSERT_EQ(run.WaitForExit(), 0u);

  // The small layout's sizes scale with the window's designed width.
  WriteFileBytes(run.SettingsFile(), "[Tintwright]\r\nlayout=0\r\n");
  ProgramRun small(folder, L"");
  HWND smallWindow = small.WaitForMainWindow();
  ASSERT_NE(smallWindow, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(smallWindow) != FALSE; }));
  const double scale = (729.0 + frameWidth) / 492.0;
  RECT outer;
  GetWindowRect(smallWindow, &outer);
  EXPECT_EQ(outer.right - outer.left, std::lround(scale * 251));
  EXPECT_EQ(outer.bottom - outer.top, std::lround(scale * 223));
  PostMessageW(smallWindow, WM_COMMAND, win::kExitCommand, 0);
  EXPECT_EQ(small.WaitForExit(), 0u);
}

}  // namespace
}  // namespace tw::test
