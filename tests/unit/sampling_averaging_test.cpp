#include "core/sampling/color_averaging.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

constexpr ColorTriple kWhite{255, 255, 255};
const ScreenRect kPrimary{0, 0, 1920, 1080};

// A screen copy in a buffer wider than the block, so a row step that ignores
// the stride reads the wrong pixels. Starts out white, like unreadable points.
class ScreenCopy {
 public:
  static constexpr int kRowPixels = 8;

  ScreenCopy(int width, int height)
      : width_(width), height_(height), pixels_(kRowPixels * height, kWhite) {}

  void Set(int x, int y, ColorTriple color) { pixels_[y * kRowPixels + x] = color; }
  BgrImageView View() {
    return {reinterpret_cast<std::uint8_t*>(pixels_.data()), width_, height_,
            kRowPixels * static_cast<std::ptrdiff_t>(sizeof(ColorTriple))};
  }

 private:
  int width_;
  int height_;
  std::vector<ColorTriple> pixels_;
};

TEST(SampleBlock, AverageSelectsThreeByThreeFiveByFiveOrThePointersPixel) {
  const struct {
    int average;
    ScreenRect block;
  } cases[] = {
      {0, {40, -7, 1, 1}}, {1, {39, -8, 3, 3}},  {2, {38, -9, 5, 5}},
      {3, {40, -7, 1, 1}}, {-1, {40, -7, 1, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(SampleBlock(40, -7, c.average), c.block) << c.average;
}

TEST(AverageColor, BlockOnScreenAveragesEachChannelAndDropsTheFraction) {
  ScreenCopy three(3, 3);
  for (int i = 0; i < 9; ++i) {
    // Blue sums to 8: 8 / 9 drops to 0 where rounding would give 1.
    three.Set(i % 3, i / 3,
              {static_cast<std::uint8_t>(i == 8 ? 8 : 0), static_cast<std::uint8_t>(30 * i),
               static_cast<std::uint8_t>(200 + i)});
  }
  EXPECT_EQ(AverageColor(three.View(), 99, 99, {&kPrimary, 1}), MakeColor(204, 120, 0));

  ScreenCopy five(5, 5);
  for (int i = 0; i < 25; ++i) {
    // Red sums to 6120: 244.8 drops to 244.
    five.Set(i % 5, i / 5,
             {7, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i == 12 ? 0 : 255)});
  }
  EXPECT_EQ(AverageColor(five.View(), 99, 99, {&kPrimary, 1}), MakeColor(244, 12, 7));
}

TEST(AverageColor, PixelsOffEveryMonitorAreLeftOut) {
  // The pointer at the primary monitor's top-left corner: four of nine on it.
  ScreenCopy corner(3, 3);
  corner.Set(1, 1, {0, 0, 10});
  corner.Set(2, 1, {0, 0, 20});
  corner.Set(1, 2, {0, 0, 30});
  corner.Set(2, 2, {0, 0, 41});
  EXPECT_EQ(AverageColor(corner.View(), -1, -1, {&kPrimary, 1}), MakeColor(25, 0, 0));

  // A lower monitor to the left of the primary one: its bottom row is 1023,
  // so 23 of the 25 pixels lie on one of the two monitors.
  const ScreenRect monitors[] = {{-1280, 0, 1280, 1024}, kPrimary};
  ScreenCopy across(5, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      const bool onMonitor = x >= 2 || y < 4;
      across.Set(x, y, onMonitor ? ColorTriple{60, 80, 100} : kWhite);
    }
  }
  EXPECT_EQ(AverageColor(across.View(), -2, 1020, monitors), MakeColor(100, 80, 60));
}

TEST(AverageColor, NothingReadableGivesNoColor) {
  ScreenCopy five(5, 5);
  const ScreenRect monitors[] = {{-1280, 0, 1280, 1024}, kPrimary};
  EXPECT_EQ(AverageColor(five.View(), -3, -5, monitors), std::nullopt);     // above both
  EXPECT_EQ(AverageColor(five.View(), 1920, 500, monitors), std::nullopt);  // right of both
  EXPECT_EQ(AverageColor(five.View(), 0, 0, {}), std::nullopt);             // no monitor at all
  ScreenCopy none(0, 0);
  EXPECT_EQ(AverageColor(none.View(), 0, 0, monitors), std::nullopt);
}

TEST(AverageColor, SinglePixelIsItsOwnColorOnAMonitorOnly) {
  ScreenCopy one(1, 1);
  one.Set(0, 0, {0x12, 0x34, 0x56});
  EXPECT_EQ(AverageColor(one.View(), 1919, 1079, {&kPrimary, 1}), MakeColor(0x56, 0x34, 0x12));
  EXPECT_EQ(AverageColor(one.View(), 1920, 1079, {&kPrimary, 1}), std::nullopt);
  EXPECT_EQ(AverageColor(one.View(), 1919, 1080, {&kPrimary, 1}), std::nullopt);
}

}  // namespace
}  // namespace tw
