// The eyedropper of the real window over a test window painted with known
// colors, grabbed with a real mouse press on the grab button.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <vector>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/widgets/window_class.h"
#include "win/window/main_window.h"

namespace tw::test {
namespace {

using win::Channel;
using win::MainWindow;

// A borderless window on top of everything at the desktop's top-left corner,
// each pixel painted by a function of its screen position.
class PatternWindow {
 public:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 240;

  explicit PatternWindow(std::function<COLORREF(int x, int y)> pattern)
      : pattern_(std::move(pattern)) {
    win::RegisterWindowClass(L"TwTestPattern");
    window_ =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"TwTestPattern", L"", WS_POPUP, 0, 0,
                        kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    Paint();
  }
  ~PatternWindow() { DestroyWindow(window_); }
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;

  // Paints straight onto the screen over the window, and again until the
  // screen shows it (a first paint may race the window's own erase).
  void Paint() const {
    WaitUntil([&] {
      HDC dc = GetDC(window_);
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) SetPixel(dc, x, y, pattern_(x, y));
      }
      ReleaseDC(window_, dc);
      HDC screen = GetDC(nullptr);
      const bool shown = GetPixel(screen, 7, 5) == pattern_(7, 5) &&
                         GetPixel(screen, 300, 200) == pattern_(300, 200);
      ReleaseDC(nullptr, screen);
      return shown;
    });
  }

 private:
  std::function<COLORREF(int, int)> pattern_;
  HWND window_ = nullptr;
};

COLORREF Gradient(int x, int y) { return RGB(x & 0xFF, (y * 2) & 0xFF, (x + 3 * y) & 0xFF); }

class Eyedropper : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(folder_.Path() / L"Tintwright.ini");
    window_->Show();
    SetForegroundWindow(window_->Handle());
    WaitUntil([&] { return GetForegroundWindow() == window_->Handle(); });
  }
  MainWindow& W() { return *window_; }
  win::MagnifierPanel& M() { return W().Magnifier(); }
  TColor Current() { return W().Current().Value(); }
  int UndoDepth() { return W().Current().History().UndoDepth(); }

  // The left button goes down over the grab button and comes up wherever
  // the pointer is then: delivered as the window system delivers a press
  // (synthesized input proved unreliable under Wine for repeated presses).
  void PressGrabButton() {
    SendMessageW(M().GrabButton().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(13, 13));
  }
  void ReleaseMouse() {
    HWND target = GetCapture() ? GetCapture() : M().GrabButton().Handle();
    SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(13, 13));
  }

  // Presses the grab button, moves the pointer to `target`, waits until a
  // tick has sampled there and releases the button.
  void Grab(POINT target) {
    PressGrabButton();
    ASSERT_TRUE(WaitUntil([&] { return M().Grabbing(); }));
    SetCursorPos(target.x, target.y);
    // The labels are written after the sample and before the capture of the
    // same tick, which then runs to its end before the next check.
    const std::wstring x = std::to_wstring(target.x - M().CoordinateOrigin().x);
    const std::wstring y = std::to_wstring(target.y - M().CoordinateOrigin().y);
    M().XCoordinate().SetCaption(L"");
    ASSERT_TRUE(WaitUntil(
        [&] { return M().XCoordinate().Caption() == x && M().YCoordinate().Caption() == y; }));
    ReleaseMouse();
    ASSERT_TRUE(WaitUntil([&] { return !M().Grabbing(); }));
  }

  TempFolder folder_;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(Eyedropper, GrabTakesThePixelUnderThePointer) {
  PatternWindow pattern(Gradient);
  const int depth = UndoDepth();
  ASSERT_NO_FATAL_FAILURE(Grab({100, 50}));
  const COLORREF expected = Gradient(100, 50);
  EXPECT_EQ(Current(), static_cast<TColor>(expected));
  EXPECT_EQ(W().Editor().Box(Channel::kRed).Text(), std::to_wstring(GetRValue(expected)));
  EXPECT_EQ(W().Editor().Box(Channel::kGreen).Text(), std::to_wstring(GetGValue(expected)));
  EXPECT_EQ(W().Editor().Box(Channel::kBlue).Text(), std::to_wstring(GetBValue(expected)));
  EXPECT_EQ(M().XCoordinate().Caption(), L"100");
  EXPECT_EQ(M().YCoordinate().Caption(), L"50");
  EXPECT_FALSE(M().SampleTimer().Enabled());
  EXPECT_EQ(UndoDepth(), depth + 1) << "the color from before the grab";
  W().FindMenuItem(L"UndoColorChange1")->Click();
  EXPECT_EQ(Current(), 0x00E16941);
}

TEST_F(Eyedropper, CoordinatesAreShownFromTheChosenOrigin) {
  PatternWindow pattern(Gradient);
  SetCursorPos(100, 50);
  W().FindMenuItem(L"SetCoordinates1")->Click();
  ASSERT_NO_FATAL_FAILURE(Grab({90, 60}));
  EXPECT_EQ(M().XCoordinate().Caption(), L"-10");
  EXPECT_EQ(M().YCoordinate().Caption(), L"10");
  W().FindMenuItem(L"ResetCoordinates2")->Click();
  ASSERT_NO_FATAL_FAILURE(Grab({90, 60}));
  EXPECT_EQ(M().XCoordinate().Caption(), L"90");
}

TEST_F(Eyedropper, AShorterCoordinateLeavesNoTraceOfALongerOne) {
  win::Label& label = M().XCoordinate();
  const HWND panel = M().Area().Handle();
  // Right-aligned, the label grows to the left; this is the widest it gets.
  label.SetCaption(L"-8888888");
  const win::Rect wide = label.Bounds();
  const RECT area{wide.left, wide.top, wide.left + wide.width, wide.top + wide.height};
  label.SetCaption(L"");
  std::vector<COLORREF> blank;
  ASSERT_TRUE(WaitUntil([&] {
    // Settled: two reads a moment apart agree.
    std::vector<COLORREF> first = ScreenArea(panel, area);
    win::Application::Instance().ProcessMessages();
    Sleep(50);
    blank = ScreenArea(panel, area);
    return first == blank;
  }));
  label.SetCaption(L"-8888888");
  ASSERT_TRUE(WaitUntil([&] { return ScreenArea(panel, area) != blank; })) << "text never shown";
  label.SetCaption(L"5");
  const win::Rect narrow = label.Bounds();
  ASSERT_LT(narrow.width, wide.width);
  // Everything of the wide place that the narrow label does not cover shows
  // what was there before any text.
  const int uncovered = narrow.left - wide.left;
  EXPECT_TRUE(WaitUntil([&] {
    const std::vector<COLORREF> now = ScreenArea(panel, area);
    for (int y = 0; y < wide.height; ++y) {
      for (int x = 0; x < uncovered; ++x) {
        const size_t at = static_cast<size_t>(y * wide.width + x);
        if (now[at] != blank[at]) return false;
      }
    }
    return true;
  }));
}

// The average of the on-screen points of the (2n+1)² block, as a user would
// work it out from the pattern.
TColor ExpectedAverage(int x, int y, int n) {
  unsigned sums[3] = {0, 0, 0};
  unsigned count = 0;
  for (int i = -n; i <= n; ++i) {
    for (int j = -n; j <= n; ++j) {
      if (x + j < 0 || y + i < 0) continue;  // off the desktop
      const COLORREF c = Gradient(x + j, y + i);
      sums[0] += GetRValue(c);
      sums[1] += GetGValue(c);
      sums[2] += GetBValue(c);
      ++count;
    }
  }
  return MakeColor(sums[0] / count, sums[1] / count, sums[2] / count);
}

TEST_F(Eyedropper, AveragesCountOnlyThePointsOnTheScreen) {
  PatternWindow pattern(Gradient);
  struct Case {
    const wchar_t* item;
    int n;
    POINT at;
  };
  const Case cases[] = {
      {L"N3x3Average1", 1, {120, 70}},
      {L"N5x5Average1", 2, {120, 70}},
      {L"N3x3Average1", 1, {0, 0}},  // only four of the nine points are on the screen
      {L"N5x5Average1", 2, {1, 0}},
  };
  for (const Case& c : cases) {
    W().FindMenuItem(c.item)->Click();
    EXPECT_EQ(M().Averaging(), c.n);
    ASSERT_NO_FATAL_FAILURE(Grab(c.at));
    EXPECT_EQ(Current(), ExpectedAverage(c.at.x, c.at.y, c.n))
        << win::Narrow(c.item) << " at " << c.at.x << "," << c.at.y;
  }
  // At the corner the four points are (0,0), (1,0), (0,1), (1,1).
  EXPECT_NE(ExpectedAverage(0, 0, 1), MakeColor(255, 255, 255));
}

TEST_F(Eyedropper, AClickShorterThanATickSamplesNothingButRecordsUndo) {
  PatternWindow pattern(Gradient);
  const int depth = UndoDepth();
  M().SampleTimer().OnTimer = nullptr;  // no tick may fall between press and release here
  PressGrabButton();
  ReleaseMouse();
  ASSERT_TRUE(WaitUntil([&] { return UndoDepth() == depth + 1 && !M().Grabbing(); }));
  EXPECT_EQ(Current(), 0x00E16941);
  EXPECT_FALSE(M().SampleTimer().Enabled());
}

TEST_F(Eyedropper, OnlyTheLeftButtonGrabs) {
  SendMessageW(M().GrabButton().Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(M().Grabbing());
  EXPECT_FALSE(M().SampleTimer().Enabled());
}

TEST_F(Eyedropper, LosingTheMouseEndsTheGrab) {
  PatternWindow pattern(Gradient);
  PressGrabButton();
  ASSERT_TRUE(WaitUntil([&] { return M().Grabbing(); }));
  ReleaseCapture();  // as when another window takes the mouse
  EXPECT_TRUE(WaitUntil([&] { return !M().Grabbing() && !M().SampleTimer().Enabled(); }));
}

// One pixel of its own color in a plain field: the pointer's pixel.
constexpr POINT kPointer{150, 100};
constexpr COLORREF kField = RGB(40, 90, 200);
constexpr COLORREF kMark = RGB(250, 10, 60);
COLORREF FieldWithMark(int x, int y) { return x == kPointer.x && y == kPointer.y ? kMark : kField; }

struct ZoomCase {
  int zoom;
  SIZE capture;
  POINT cross;
  RECT rectangle;  // left, top, right, bottom corners of the outline
};

// The worked geometry for the 165 × 132 picture.
const ZoomCase kZooms[] = {
    {1, {165, 132}, {82, 66}, {82, 66, 84, 68}}, {2, {82, 66}, {83, 66}, {82, 65, 85, 68}},
    {5, {33, 26}, {82, 66}, {80, 64, 86, 70}},   {10, {16, 13}, {85, 64}, {80, 59, 91, 70}},
    {20, {8, 6}, {90, 78}, {80, 67, 101, 90}},
};

std::vector<ColorTriple> Pixels(const BgrImageView& picture) {
  std::vector<ColorTriple> pixels;
  for (int y = 0; y < picture.height; ++y)
    pixels.insert(pixels.end(), picture.Row(y), picture.Row(y) + picture.width);
  return pixels;
}

ColorTriple Inverse(ColorTriple c) {
  return {static_cast<std::uint8_t>(~c.blue), static_cast<std::uint8_t>(~c.green),
          static_cast<std::uint8_t>(~c.red)};
}

// The pixels a crosshair inverts: the cross's arms without the centre, or
// the rectangle's outline.
std::set<std::pair<int, int>> CrosshairPixels(const ZoomCase& z, bool rectangle) {
  std::set<std::pair<int, int>> pixels;
  if (rectangle) {
    const RECT& r = z.rectangle;
    for (int x = r.left; x <= r.right; ++x) pixels.insert({x, r.top}), pixels.insert({x, r.bottom});
    for (int y = r.top; y <= r.bottom; ++y) pixels.insert({r.left, y}), pixels.insert({r.right, y});
    return pixels;
  }
  for (int d = -10; d <= 9; ++d) {
    if (d != 0)
      pixels.insert({z.cross.x + d, z.cross.y}), pixels.insert({z.cross.x, z.cross.y + d});
  }
  return pixels;
}

TEST_F(Eyedropper, MagnifierShowsTheCaptureWithTheCrosshairAtItsPlace) {
  PatternWindow pattern(FieldWithMark);
  ASSERT_EQ(M().MagnifiedImage().Width(), 165);
  ASSERT_EQ(M().MagnifiedImage().Height(), 132);
  for (const ZoomCase& z : kZooms) {
    SCOPED_TRACE(testing::Message() << "zoom " << z.zoom);
    W().FindMenuItem(L"Zoom" + std::to_wstring(z.zoom) + L"X1")->Click();
    W().FindMenuItem(L"None1")->Click();
    ASSERT_NO_FATAL_FAILURE(Grab(kPointer));
    EXPECT_EQ(M().CaptureImage().Picture().width, z.capture.cx);
    EXPECT_EQ(M().CaptureImage().Picture().height, z.capture.cy);
    const std::vector<ColorTriple> plain = Pixels(M().MagnifiedImage().Picture());
    const ColorTriple mark{GetBValue(kMark), GetGValue(kMark), GetRValue(kMark)};
    EXPECT_EQ(M().MagnifiedImage().Picture().At(z.cross.x, z.cross.y), mark)
        << "the pointer's pixel under the cross";

    for (const wchar_t* style : {L"Cross1", L"Rectangle1"}) {
      SCOPED_TRACE(win::Narrow(style));
      W().FindMenuItem(style)->Click();
      ASSERT_NO_FATAL_FAILURE(Grab(kPointer));
      const BgrImageView shown = M().MagnifiedImage().Picture();
      const auto inverted = CrosshairPixels(z, style == std::wstring_view(L"Rectangle1"));
      int wrong = 0;
      for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
          const ColorTriple before = plain[static_cast<size_t>(y * shown.width + x)];
          const ColorTriple expected = inverted.count({x, y}) ? Inverse(before) : before;
          if (shown.At(x, y) != expected && ++wrong <= 3)
            ADD_FAILURE() << "pixel " << x << "," << y;
        }
      }
      EXPECT_EQ(wrong, 0);
    }
  }
}

TEST_F(Eyedropper, EveryLayoutShowsThePointersPixelAtTheCentreWithTheWholeCross) {
  PatternWindow pattern(FieldWithMark);
  W().FindMenuItem(L"Zoom5X1")->Click();
  W().FindMenuItem(L"Cross1")->Click();
  const auto inverse = [](COLORREF c) {
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
  };
  for (const wchar_t* layout : {L"Small1", L"Medium1", L"Large1"}) {
    SCOPED_TRACE(win::Narrow(layout));
    W().FindMenuItem(layout)->Click();
    ASSERT_NO_FATAL_FAILURE(Grab(kPointer));
    // What the user sees: the picture area inside its one-pixel bevel.
    const win::Panel& area = M().PictureArea();
    const RECT visible{1, 1, area.Width() - 1, area.Height() - 1};
    const int width = visible.right - visible.left;
    const int height = visible.bottom - visible.top;
    // The pointer's block, the cross's arms through the field and through
    // that block.
    RECT block{width, height, -1, -1};
    int crossPixels = 0;
    const auto look = [&] {
      const std::vector<COLORREF> shown = ScreenArea(area.Handle(), visible);
      block = {width, height, -1, -1};
      crossPixels = 0;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const COLORREF c = shown[static_cast<size_t>(y * width + x)];
          if (c == inverse(kField) || c == inverse(kMark)) ++crossPixels;
          if (c == kMark || c == inverse(kMark)) {
            block = {std::min<LONG>(block.left, x), std::min<LONG>(block.top, y),
                     std::max<LONG>(block.right, x), std::max<LONG>(block.bottom, y)};
          }
        }
      }
      return crossPixels == 38 && block.right >= 0;
    };
    EXPECT_TRUE(WaitUntil(look, 3s)) << "cross pixels seen: " << crossPixels << " of 38";
    ASSERT_GE(block.right, 0) << "the pointer's pixel is not shown";
    const int zoom = 5;
    EXPECT_NEAR((block.left + block.right) / 2.0, width / 2.0, zoom);
    EXPECT_NEAR((block.top + block.bottom) / 2.0, height / 2.0, zoom);
  }
}

TEST_F(Eyedropper, PickingFromTheMagnifierFollowsThePointerAndRecordsUndo) {
  PatternWindow pattern(FieldWithMark);
  W().FindMenuItem(L"Zoom5X1")->Click();
  W().FindMenuItem(L"None1")->Click();
  ASSERT_NO_FATAL_FAILURE(Grab(kPointer));
  const int depth = UndoDepth();
  win::Image& picture = M().MagnifiedImage();
  SendMessageW(picture.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(82, 66));
  EXPECT_EQ(Current(), static_cast<TColor>(kMark));
  SendMessageW(picture.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Current(), static_cast<TColor>(kField));
  SendMessageW(picture.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(400, 5));
  EXPECT_EQ(Current(), static_cast<TColor>(kField)) << "outside the picture the color stays";
  SendMessageW(picture.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(400, 5));
  EXPECT_FALSE(M().PickingFromPicture());
  EXPECT_EQ(UndoDepth(), depth + 2) << "the color before the pick, then the picked one";
}

TEST_F(Eyedropper, LosingTheMouseMidPickEndsThePickFromTheMagnifier) {
  PatternWindow pattern(FieldWithMark);
  W().FindMenuItem(L"Zoom5X1")->Click();
  W().FindMenuItem(L"None1")->Click();
  ASSERT_NO_FATAL_FAILURE(Grab(kPointer));
  win::Image& picture = M().MagnifiedImage();
  SendMessageW(picture.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(82, 66));
  ASSERT_EQ(Current(), static_cast<TColor>(kMark));
  // Another window takes the mouse: no release comes.
  SetCapture(W().Handle());
  ReleaseCapture();
  EXPECT_FALSE(M().PickingFromPicture());
  SendMessageW(picture.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Current(), static_cast<TColor>(kMark)) << "a plain move picked a color";
}

TEST_F(Eyedropper, ClearZoomWindowPaintsTheWindowsGrayAndEmptiesTheLabels) {
  PatternWindow pattern(Gradient);
  ASSERT_NO_FATAL_FAILURE(Grab({60, 60}));
  W().FindMenuItem(L"ClearZoomWindow1")->Click();
  const BgrImageView picture = M().MagnifiedImage().Picture();
  EXPECT_EQ(picture.At(0, 0), (ColorTriple{103, 103, 103}));
  EXPECT_EQ(picture.At(164, 131), (ColorTriple{103, 103, 103}));
  EXPECT_EQ(M().XCoordinate().Caption(), L"");
}

TEST_F(Eyedropper, MenuChoicesSetZoomCrosshairAndGlyph) {
  W().FindMenuItem(L"Zoom3X1")->Click();
  EXPECT_EQ(M().ZoomList().ItemIndex(), 2);
  W().FindMenuItem(L"Rectangle1")->Click();
  EXPECT_EQ(M().CrosshairStyle(), 2);
  EXPECT_TRUE(W().FindMenuItem(L"Rectangle1")->Checked);
  EXPECT_FALSE(W().FindMenuItem(L"Cross1")->Checked);
  W().FindMenuItem(L"N5x5Average1")->Click();
  EXPECT_EQ(M().Averaging(), 2);
  EXPECT_FALSE(W().FindMenuItem(L"Off1")->Checked);
}

}  // namespace
}  // namespace tw::test
