// The three layouts, the hidden title bar and staying on top, in the real
// window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/widgets/speed_button.h"
#include "win/window/design/controls.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::MainWindow;

// Where the window system really put a control, relative to its parent.
win::Rect PlaceOf(const win::Control& control) {
  RECT r;
  GetWindowRect(control.Handle(), &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control.Handle()), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

SIZE OuterSize(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

class Layouts : public testing::Test {
 protected:
  std::filesystem::path SettingsFile() const { return folder_.Path() / L"Tintwright.ini"; }
  MainWindow& Start() {
    window_ = std::make_unique<MainWindow>(SettingsFile());
    window_->Show();
    return *window_;
  }
  void Exit() {
    window_->FindMenuItem(L"Exit1")->Click();
    window_.reset();
  }
  MainWindow& W() { return *window_; }
  void Choose(const wchar_t* item) { W().FindMenuItem(item)->Click(); }
  std::vector<std::wstring> CheckedLayoutItems() {
    std::vector<std::wstring> checked;
    for (const wchar_t* item : {L"Small1", L"Medium1", L"Large1"}) {
      if (W().FindMenuItem(item)->Checked) checked.push_back(item);
    }
    return checked;
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

struct PanelPlace {
  const wchar_t* name;
  win::Rect place;
  bool shown = true;
};

struct LayoutCase {
  const wchar_t* item;
  int outerWidth;  // 0: the designed width
  int outerHeight;
  PanelPlace panels[8];
  bool scrollBarsShown;
};

// The places at 96 dpi, where the window is designed 492 pixels wide outside.
const LayoutCase kLayouts[] = {
    {L"Small1",
     251,
     223,
     {{L"pnlRGB", win::Rect{101, 111, 69, 81}},
      {L"pnlHSV", win::Rect{174, 111, 69, 81}},
      {L"pnlMagnifier", win::Rect{101, 3, 142, 106}},
      {L"pnlMagnifierArea", win::Rect{1, 33, 140, 72}},
      {L"pnlButtons", win::Rect{311, 3, 65, 106}, false},
      {L"pnlCircle", win::Rect{378, 3, 105, 106}, false},
      {L"pnlPalette", win::Rect{3, 194, 306, 53}, false},
      {L"imgColorWheel", win::Rect{1, 1, 3, 2}, false}},
     false},
    {L"Medium1",
     318,
     0,
     {{L"pnlRGB", win::Rect{101, 111, 69, 81}},
      {L"pnlHSV", win::Rect{174, 111, 69, 81}},
      {L"pnlMagnifier", win::Rect{101, 3, 142, 106}},
      {L"pnlMagnifierArea", win::Rect{1, 33, 140, 72}},
      {L"pnlButtons", win::Rect{245, 86, 65, 106}},
      {L"pnlCircle", win::Rect{245, 3, 65, 80}},
      {L"pnlPalette", win::Rect{3, 194, 306, 53}},
      {L"imgColorWheel", win::Rect{1, 1, 63, 63}}},
     false},
    {L"Large1",
     0,
     0,
     {{L"pnlRGB", win::Rect{101, 3, 208, 106}},
      {L"pnlHSV", win::Rect{101, 111, 208, 81}},
      {L"pnlMagnifier", win::Rect{311, 111, 172, 168}},
      {L"pnlMagnifierArea", win::Rect{2, 32, 167, 134}},
      {L"pnlButtons", win::Rect{311, 3, 65, 106}},
      {L"pnlCircle", win::Rect{378, 3, 105, 106}},
      {L"pnlPalette", win::Rect{3, 194, 306, 53}},
      {L"imgColorWheel", win::Rect{1, 1, 103, 104}}},
     true},
};

// A start in the large layout keeps the design, which differs from the
// large layout applied later in two places.
const LayoutCase kLargeAsDesigned = {L"Large1",
                                     0,
                                     0,
                                     {{L"pnlRGB", win::Rect{101, 3, 208, 106}},
                                      {L"pnlHSV", win::Rect{101, 111, 208, 81}},
                                      {L"pnlMagnifier", win::Rect{311, 111, 172, 168}},
                                      {L"pnlMagnifierArea", win::Rect{3, 32, 167, 134}},
                                      {L"pnlButtons", win::Rect{311, 3, 65, 106}},
                                      {L"pnlCircle", win::Rect{378, 3, 105, 106}},
                                      {L"pnlPalette", win::Rect{3, 194, 306, 53}},
                                      {L"imgColorWheel", win::Rect{1, 1, 103, 103}}},
                                     true};

void ExpectLayout(MainWindow& window, const LayoutCase& layout, SIZE designed) {
  const SIZE outer = OuterSize(window.Handle());
  EXPECT_EQ(outer.cx, layout.outerWidth ? layout.outerWidth : designed.cx);
  EXPECT_EQ(outer.cy, layout.outerHeight ? layout.outerHeight : designed.cy);
  for (const PanelPlace& panel : layout.panels) {
    SCOPED_TRACE(win::Narrow(panel.name));
    const win::Control& control = *window.FindControl(panel.name);
    EXPECT_EQ(IsWindowVisible(control.Handle()) != FALSE, panel.shown);
    EXPECT_EQ(PlaceOf(control), panel.place);
  }
  for (const wchar_t* name : {L"ScrollBarRed", L"ScrollBarHue", L"lblXPos", L"lblY"}) {
    EXPECT_EQ(IsWindowVisible(window.FindControl(name)->Handle()) != FALSE, layout.scrollBarsShown)
        << win::Narrow(name);
  }
  EXPECT_TRUE(IsWindowVisible(window.FindControl(L"ScrollBarBrightness")->Handle()))
      << "the brightness bar stays in every layout";
}

TEST_F(Layouts, EachLayoutGivesItsWindowSizeAndPanelPlaces) {
  MainWindow& window = Start();
  ASSERT_EQ(window.PixelsPerInch(), 96);
  const SIZE designed = OuterSize(window.Handle());
  ASSERT_EQ(designed.cx, 492) << "the figures below are for a 3-pixel frame";
  EXPECT_TRUE(CheckedLayoutItems().empty()) << "the design is not applied at start";
  // Twice round, so each layout is also reached from each other one.
  for (int round = 0; round < 2; ++round) {
    for (const LayoutCase& layout : kLayouts) {
      SCOPED_TRACE(win::Narrow(layout.item));
      Choose(layout.item);
      ExpectLayout(window, layout, designed);
      EXPECT_EQ(CheckedLayoutItems(), std::vector<std::wstring>{layout.item});
    }
  }
}

TEST_F(Layouts, TheLayoutSurvivesARestart) {
  const SIZE designed = OuterSize(Start().Handle());
  for (const LayoutCase& layout : kLayouts) {
    SCOPED_TRACE(win::Narrow(layout.item));
    Choose(layout.item);
    Exit();
    const bool large = &layout == &kLayouts[2];
    ExpectLayout(Start(), large ? kLargeAsDesigned : layout, designed);
    // The large layout is the design: starting in it applies and checks nothing.
    EXPECT_EQ(CheckedLayoutItems(),
              large ? std::vector<std::wstring>{} : std::vector<std::wstring>{layout.item});
  }
}

TEST_F(Layouts, TheWheelIsPaintedForItsNewSize) {
  Start();
  Choose(L"Medium1");
  const win::Image& wheel = W().Editor().Wheel();
  EXPECT_EQ(wheel.Picture().width, 63);
  EXPECT_EQ(wheel.Picture().height, 63);
  // The centre of the smaller disc is white at saturation 0 and full value.
  W().Current().Set(MakeColor(255, 0, 0), false);
  EXPECT_EQ(wheel.Picture().At(31, 31), (ColorTriple{255, 255, 255}));
}

TEST_F(Layouts, HidingAndShowingTheTitleBarRoundTripsTheClientSize) {
  MainWindow& window = Start();
  const SIZE client = ClientSize(window.Handle());
  const SIZE outer = OuterSize(window.Handle());
  Choose(L"ShowHideTitlebar1");
  EXPECT_EQ(GetWindowLongW(window.Handle(), GWL_STYLE) & WS_CAPTION, WS_BORDER);
  EXPECT_FALSE(window.FindMenuItem(L"ShowHideTitlebar1")->Checked);
  EXPECT_EQ(OuterSize(window.Handle()).cy, outer.cy - GetSystemMetrics(SM_CYCAPTION));
  const SIZE hiddenClient = ClientSize(window.Handle());
  // A layout chosen meanwhile keeps the client size it has with no title bar.
  Choose(L"Medium1");
  Choose(L"Large1");
  EXPECT_EQ(ClientSize(window.Handle()).cx, hiddenClient.cx);
  EXPECT_EQ(ClientSize(window.Handle()).cy, hiddenClient.cy);
  Choose(L"ShowHideTitlebar1");
  EXPECT_EQ(GetWindowLongW(window.Handle(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(ClientSize(window.Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(window.Handle()).cy, client.cy);
}

TEST_F(Layouts, AHiddenTitleBarStaysHiddenAfterARestart) {
  Start();
  Choose(L"ShowHideTitlebar1");
  Exit();
  EXPECT_NE(ReadFileBytes(SettingsFile()).find("showtitle=FALSE\r\n"), std::string::npos);
  MainWindow& window = Start();
  EXPECT_EQ(GetWindowLongW(window.Handle(), GWL_STYLE) & WS_CAPTION, WS_BORDER);
  EXPECT_FALSE(window.FindMenuItem(L"ShowHideTitlebar1")->Checked);
}

TEST_F(Layouts, AnUnknownStoredLayoutMovesNothingAndIsKept) {
  WriteFileBytes(SettingsFile(), "[Tintwright]\r\nlayout=5\r\n");
  MainWindow& window = Start();
  EXPECT_EQ(OuterSize(window.Handle()).cx, 492);
  EXPECT_TRUE(CheckedLayoutItems().empty());
  Exit();
  EXPECT_NE(ReadFileBytes(SettingsFile()).find("layout=5\r\n"), std::string::npos);
}

// Only the way into the topmost band is checked: Wine keeps a window topmost
// while it owns a topmost window (the hints' tooltip), so the way back out
// cannot be seen here.
TEST_F(Layouts, AlwaysOnTopPutsTheWindowInTheTopmostBand) {
  MainWindow& window = Start();
  const RECT before = [&] {
    RECT r;
    GetWindowRect(window.Handle(), &r);
    return r;
  }();
  const auto topmost = [&] {
    return (GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  };
  EXPECT_FALSE(topmost());
  Choose(L"AlwaysonTop1");
  EXPECT_TRUE(window.FindMenuItem(L"AlwaysonTop1")->Checked);
  EXPECT_TRUE(topmost());
  Choose(L"AlwaysonTop1");
  EXPECT_FALSE(window.FindMenuItem(L"AlwaysonTop1")->Checked);
  RECT after;
  GetWindowRect(window.Handle(), &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "place and size stay";
}

}  // namespace
}  // namespace tw::test

namespace tw::test {
namespace {

// The move commands the window receives, seen by a hook on this thread.
std::vector<WPARAM> g_syscommands;
HWND g_watched = nullptr;

LRESULT CALLBACK NoteSysCommand(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->hwnd == g_watched && message->message == WM_SYSCOMMAND)
    g_syscommands.push_back(message->wParam);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Layouts, ALeftPressOnAnySurfaceMovesTheWindowByItsCaption) {
  MainWindow& window = Start();
  g_watched = window.Handle();
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, NoteSysCommand, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  std::vector<const wchar_t*> surfaces(win::design::kDragSurfaces.begin(),
                                       win::design::kDragSurfaces.end());
  surfaces.push_back(win::design::kMainWindowName);
  // The move loop belongs to the left button; a double click's second
  // press is a press too.
  struct Press {
    UINT message;
    std::vector<WPARAM> commands;
  };
  const Press presses[] = {{WM_LBUTTONDOWN, {0xF012}},
                           {WM_LBUTTONDBLCLK, {0xF012}},
                           {WM_RBUTTONDOWN, {}},
                           {WM_MBUTTONDOWN, {}}};
  for (const wchar_t* name : surfaces) {
    for (const Press& press : presses) {
      SCOPED_TRACE(testing::Message() << win::Narrow(name) << " press " << press.message);
      const win::Control& surface = name == std::wstring_view(win::design::kMainWindowName)
                                        ? static_cast<win::Control&>(window)
                                        : *window.FindControl(name);
      g_syscommands.clear();
      // Ends the window system's move loop at once, as a release would.
      PostMessageW(window.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
      SendMessageW(surface.Handle(), press.message, 0, MAKELPARAM(1, 1));
      EXPECT_EQ(g_syscommands, press.commands);
      MSG pending;
      while (PeekMessageW(&pending, window.Handle(), WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) {
      }
    }
  }
  // A control with work of its own under a press does not move the window.
  g_syscommands.clear();
  SendMessageW(window.Editor().Box(win::Channel::kRed).Handle(), WM_LBUTTONDOWN, 0,
               MAKELPARAM(1, 1));
  SendMessageW(window.Editor().Box(win::Channel::kRed).Handle(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_TRUE(g_syscommands.empty());
  UnhookWindowsHookEx(hook);
}

// Dismisses the popup menu that opens, and notes where it opened.
class MenuDismisser {
 public:
  MenuDismisser()
      : thread_([this] {
          HWND menu = nullptr;
          WaitUntil(
              [&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); });
          if (!menu) return;
          GetWindowRect(menu, &place_);
          opened_ = true;
          PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        }) {}
  ~MenuDismisser() { Join(); }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  bool Opened() const { return opened_; }
  RECT Place() const { return place_; }

 private:
  bool opened_ = false;
  RECT place_{};
  std::thread thread_;
};

TEST_F(Layouts, TheSettingsButtonOpensTheMainMenuAtThePointer) {
  MainWindow& window = Start();
  // At the screen's top left corner the menu fits below and right of the pointer.
  SetWindowPos(window.Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  auto& button = static_cast<win::SpeedButton&>(*window.FindControl(L"btnOptions"));
  RECT r;
  GetWindowRect(button.Handle(), &r);
  ASSERT_TRUE(MovePointerTo({r.left + 5, r.top + 5}));
  bool opened = false;
  RECT place{};
  {
    MenuDismisser dismisser;
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    dismisser.Join();
    opened = dismisser.Opened();
    place = dismisser.Place();
  }
  ASSERT_TRUE(opened);
  EXPECT_EQ(window.MainMenu().PopupComponent(), &button);
  // The menu's corner at the pointer.
  EXPECT_EQ(place.left, r.left + 5);
  EXPECT_EQ(place.top, r.top + 5);
}

}  // namespace
}  // namespace tw::test
