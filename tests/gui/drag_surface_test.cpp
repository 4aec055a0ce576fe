// Presses on the bare surfaces of the real exe's window, with real input:
// a left press drags the window, a right press opens the main menu, and the
// program still closes, exits and saves afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shell_support.h"
#include "test_support.h"
#include "win/window/design/controls.h"

namespace tw::test {
namespace {

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof(INPUT));
}

void SendKey(WORD key) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = key;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

POINT ScreenPointOf(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

RECT WindowPlace(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  return place;
}

// A bare surface of the window, in the window's client coordinates (the
// tests run at 96 dpi, where the design's places are the window's).
struct Surface {
  const char* what;
  POINT client;
};

POINT InPanel(const win::Rect& panel, POINT offset) {
  return {panel.left + offset.x, panel.top + offset.y};
}

// Made when asked: the design table is not there yet while globals start.
std::vector<Surface> Surfaces() {
  const win::Rect& panel = win::design::kRgbPanel.design.bounds;
  const auto& label = win::design::kRgbRows[0].label.design;
  return {
      {"the window's own surface", {2, 2}},
      {"a panel's background", InPanel(panel, {2, 2})},
      {"a row label", InPanel(panel, {label.left + 2, label.top + 4})},
  };
}

class DragSurfaces : public testing::Test {
 protected:
  // The real exe, shown, in front, ready for input.
  HWND Start(ProgramRun& run) {
    const HWND window = run.WaitForMainWindow();
    EXPECT_TRUE(window && run.WaitForIdle());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
    SetForegroundWindow(window);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    return window;
  }

  // A right click at the point, and the main menu that it opens.
  HWND RightClickOpensTheMenu(const ProgramRun& run, POINT screen) {
    ClickAt(screen, true);
    HWND menu = nullptr;
    WaitUntil([&] {
      menu = FindProcessWindow(run.ProcessId(), L"#32768");
      return menu && IsWindowVisible(menu);
    });
    return menu;
  }

  static bool Saved(const ProgramRun& run) {
    return ReadFileBytes(run.SettingsFile()).rfind("[Tintwright]\r\n", 0) == 0;
  }

  TempFolder folder_;
};

// How the user goes on after the menu opened.
struct Ending {
  const char* what;
  void (*end)(HWND window, HWND menu);
};

const Ending kEndings[] = {
    {"Exit chosen in the menu",
     [](HWND, HWND) {
       // "Exit" is the menu's last item.
       SendKey(VK_END);
       SendKey(VK_RETURN);
     }},
    {"the menu dismissed with Escape, then a close request",
     [](HWND window, HWND menu) {
       SendKey(VK_ESCAPE);
       EXPECT_TRUE(WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }));
       PostMessageW(window, WM_CLOSE, 0, 0);
     }},
};

TEST_F(DragSurfaces, ARightClickOpensTheMainMenuAndTheProgramStillEndsAndSaves) {
  for (const Ending& ending : kEndings) {
    for (const Surface& surface : Surfaces()) {
      SCOPED_TRACE(testing::Message() << surface.what << ", " << ending.what);
      std::filesystem::remove(folder_.Path() / L"Tintwright.ini");
      ProgramRun run(folder_, L"/multi /allowclose");
      const HWND window = Start(run);
      ASSERT_TRUE(window);
      const HWND menu = RightClickOpensTheMenu(run, ScreenPointOf(window, surface.client));
      ASSERT_TRUE(menu) << "no menu opened";
      ending.end(window, menu);
      EXPECT_EQ(run.WaitForExit(), 0u);
      EXPECT_TRUE(Saved(run));
    }
  }
}

struct DragCase {
  const char* what;
  bool afterAQuickFirstClick;  // the drag is a double click's second press
};

TEST_F(DragSurfaces, ALeftDragMovesTheWindowAlsoAsADoubleClicksSecondPress) {
  ProgramRun run(folder_, L"/multi /allowclose");
  const HWND window = Start(run);
  ASSERT_TRUE(window);
  for (const DragCase& drag : {DragCase{"a press", false}, DragCase{"a second press", true}}) {
    for (const Surface& surface : Surfaces()) {
      SCOPED_TRACE(testing::Message() << drag.what << " on " << surface.what);
      const RECT before = WindowPlace(window);
      const POINT start = ScreenPointOf(window, surface.client);
      ASSERT_TRUE(MovePointerTo(start));
      if (drag.afterAQuickFirstClick) {
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMouse(MOUSEEVENTF_LEFTUP);
      }
      SendMouse(MOUSEEVENTF_LEFTDOWN);
      // The move loop follows the pointer while the button is held.
      for (int step = 1; step <= 4; ++step) {
        SetCursorPos(start.x + 10 * step, start.y + 5 * step);
        Sleep(20);
      }
      SendMouse(MOUSEEVENTF_LEFTUP);
      EXPECT_TRUE(WaitUntil([&] {
        const RECT after = WindowPlace(window);
        return after.left == before.left + 40 && after.top == before.top + 20;
      })) << "the window did not follow the pointer";
    }
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(run.WaitForExit(), 0u);
}

}  // namespace
}  // namespace tw::test
