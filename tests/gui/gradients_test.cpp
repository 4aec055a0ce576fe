// The gradient strips and the color wheel of the real window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/color/color_wheel.h"
#include "core/color/conversions.h"
#include "core/color/gradients.h"
#include "test_support.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Channel;
using win::MainWindow;

// Pixels of a picture as COLORREFs, row by row.
std::vector<COLORREF> PicturePixels(const BgrImageView& picture) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const ColorTriple c = picture.At(x, y);
      pixels.push_back(RGB(c.red, c.green, c.blue));
    }
  }
  return pixels;
}

// A 24-bit buffer of its own for the core to paint into.
struct Buffer {
  std::vector<std::uint8_t> bytes;
  BgrImageView view;
  Buffer(int width, int height)
      : bytes(static_cast<size_t>(width * height * 3)),
        view{bytes.data(), width, height, width * 3} {}
};

class Gradients : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
    SetCursorPos(0, 0);
  }
  MainWindow& W() { return *window_; }
  win::ColorEditor& E() { return W().Editor(); }
  int Bar(Channel channel) { return E().Bar(channel).Position(); }
  void Press(UINT message, int x, int y) {
    SendMessageW(E().Wheel().Handle(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                 MAKELPARAM(x, y));
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

// Each color after the first is one that the window shows already painted:
// the screen must follow the change, not only the first paint.
TEST_F(Gradients, TheWheelOnScreenIsTheCoresWheelAtTheCurrentValue) {
  const win::Image& wheel = E().Wheel();
  ASSERT_EQ(wheel.Width(), 103);
  ASSERT_EQ(wheel.Height(), 103);
  for (TColor color : {MakeColor(40, 200, 120), MakeColor(20, 60, 90)}) {
    W().Current().Set(color, false);
    Buffer expected(103, 103);
    ColorWheel(103, 103).Paint(expected.view, Bar(Channel::kValue));
    const std::vector<COLORREF> wanted = PicturePixels(expected.view);
    std::vector<COLORREF> shown;
    EXPECT_TRUE(WaitUntil([&] {
      shown = ScreenArea(wheel.Handle(), {0, 0, 103, 103});
      return shown == wanted;
    })) << "color "
        << std::hex << color << ": first pixel " << shown.front() << " against " << wanted.front();
  }
}

TEST_F(Gradients, StripsFollowTheCurrentColorOnScreen) {
  struct StripCase {
    Channel channel;
    bool hsvGroup;
    int varied;
  };
  const StripCase strips[] = {
      {Channel::kRed, false, 0}, {Channel::kGreen, false, 1},     {Channel::kBlue, false, 2},
      {Channel::kHue, true, 0},  {Channel::kSaturation, true, 1}, {Channel::kValue, true, 2},
  };
  for (TColor color : {MakeColor(200, 30, 90), MakeColor(10, 220, 140)}) {
    W().Current().Set(color, false);
    const BarPositions rgb{Bar(Channel::kRed), Bar(Channel::kGreen), Bar(Channel::kBlue)};
    const BarPositions hsv{Bar(Channel::kHue), Bar(Channel::kSaturation), Bar(Channel::kValue)};
    for (const StripCase& strip : strips) {
      SCOPED_TRACE(testing::Message() << "color " << std::hex << color << ", strip "
                                      << static_cast<int>(strip.channel));
      const win::Image& image = E().Strip(strip.channel);
      Buffer expected(image.Width(), image.Height());
      if (strip.hsvGroup) {
        PaintHsvStrip(expected.view, strip.varied, hsv);
      } else {
        PaintRgbStrip(expected.view, strip.varied, rgb);
      }
      const std::vector<COLORREF> wanted = PicturePixels(expected.view);
      EXPECT_TRUE(WaitUntil([&] {
        return ScreenArea(image.Handle(), {0, 0, image.Width(), image.Height()}) == wanted;
      }));
    }
  }
}

TEST_F(Gradients, PressingAndDraggingOnTheWheelSetsHueAndSaturation) {
  struct Case {
    UINT message;
    int x;
    int y;
    int hue;
    int saturation;
  };
  const Case steps[] = {
      {WM_LBUTTONDOWN, 87, 15, 45, 255},
      {WM_MOUSEMOVE, 60, 51, 90, 45},    // distance 9: MulDiv(9, 255, 51)
      {WM_MOUSEMOVE, 200, 51, 90, 255},  // outside the wheel, the button still held
      {WM_MOUSEMOVE, 51, 51, 90, 0},     // the centre
  };
  const int value = Bar(Channel::kValue);
  const int depth = W().Current().History().UndoDepth();
  for (const Case& step : steps) {
    Press(step.message, step.x, step.y);
    EXPECT_EQ(Bar(Channel::kHue), step.hue) << step.x << "," << step.y;
    EXPECT_EQ(Bar(Channel::kSaturation), step.saturation) << step.x << "," << step.y;
    EXPECT_EQ(Bar(Channel::kValue), value) << "the value stays";
  }
  // The color follows the bars: at saturation 0 it is the grey of the value.
  EXPECT_EQ(W().Current().Value(), MakeColor(value, value, value));
  EXPECT_EQ(W().Current().History().UndoDepth(), depth + 1) << "the color from before the press";
  Press(WM_LBUTTONUP, 51, 51);
  Press(WM_MOUSEMOVE, 87, 15);
  EXPECT_EQ(Bar(Channel::kSaturation), 0) << "moves after the release pick nothing";
}

TEST_F(Gradients, LosingTheMouseMidDragEndsTheWheelsPick) {
  Press(WM_LBUTTONDOWN, 87, 15);
  const TColor picked = W().Current().Value();
  // Another window takes the mouse (Alt+Tab, a dialog): no release comes.
  SetCapture(W().Handle());
  ReleaseCapture();
  Press(WM_MOUSEMOVE, 51, 51);
  EXPECT_EQ(W().Current().Value(), picked) << "a plain move over the wheel picked a color";
}

TEST_F(Gradients, ARightPressOnTheWheelDoesNothing) {
  const TColor before = W().Current().Value();
  const int depth = W().Current().History().UndoDepth();
  SendMessageW(E().Wheel().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(87, 15));
  SendMessageW(E().Wheel().Handle(), WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(60, 51));
  EXPECT_EQ(W().Current().Value(), before);
  EXPECT_EQ(W().Current().History().UndoDepth(), depth);
}

TEST_F(Gradients, OnlyANewValuePaintsTheWheelAgain) {
  const int painted = E().WheelPaintCount();
  E().Bar(Channel::kHue).SetPosition(Bar(Channel::kHue) + 30);
  E().Bar(Channel::kSaturation).SetPosition(Bar(Channel::kSaturation) - 40);
  EXPECT_EQ(E().WheelPaintCount(), painted) << "hue and saturation alone";
  E().Bar(Channel::kValue).SetPosition(Bar(Channel::kValue) - 10);
  EXPECT_EQ(E().WheelPaintCount(), painted + 1);
}

}  // namespace
}  // namespace tw::test
