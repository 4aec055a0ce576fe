// The three layouts, the hidden title bar and staying on top, in the real
// window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "test_support.h"
#include "win/platform/text.h"
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
  W().Color().Set(MakeColor(255, 0, 0), false);
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

TEST_F(Layouts, AlwaysOnTopPutsTheWindowInTheTopmostBandAndBack) {
  MainWindow& window = Start();
  const RECT before = [&] {
    RECT r;
    GetWindowRect(window.Handle(), &r);
    return r;
  }();
  Choose(L"AlwaysonTop1");
  EXPECT_TRUE(window.FindMenuItem(L"AlwaysonTop1")->Checked);
  Choose(L"AlwaysonTop1");
  EXPECT_FALSE(window.FindMenuItem(L"AlwaysonTop1")->Checked);
  RECT after;
  GetWindowRect(window.Handle(), &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "place and size stay";
}

}  // namespace
}  // namespace tw::test
