#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "core/sampling/crosshair.h"
#include "core/sampling/magnifier_picture.h"

namespace tw {
namespace {

constexpr int kPictureWidth = 165;  // the magnifier's picture at 96 dpi
constexpr int kPictureHeight = 132;

// Each pixel tells where it came from: blue = column, green = row.
ColorTriple Marker(int x, int y) {
  return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0x5A};
}

// A 24-bit picture with padded rows and a guard band after the last row, so a
// write past a row's last pixel or past the picture is caught.
class Picture {
 public:
  static constexpr std::uint8_t kGuard = 0xC3;

  Picture(int width, int height)
      : width_(width),
        height_(height),
        stride_((width * 3 + 3) / 4 * 4 + 4),
        bytes_(stride_ * height + 64, kGuard) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) View().At(x, y) = Marker(x, y);
    }
  }

  BgrImageView View() { return {bytes_.data(), width_, height_, stride_}; }

  bool OutsideUntouched() const {
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
      const bool inPixel = static_cast<std::ptrdiff_t>(i) < stride_ * height_ &&
                           static_cast<std::ptrdiff_t>(i) % stride_ < width_ * 3;
      if (!inPixel && bytes_[i] != kGuard) return false;
    }
    return true;
  }

 private:
  int width_;
  int height_;
  std::ptrdiff_t stride_;
  std::vector<std::uint8_t> bytes_;
};

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of the picture that differ from the untouched picture; each must
// be the bitwise inverse of the original, or it is reported as {-1, -1}.
PixelSet ChangedPixels(Picture& picture) {
  PixelSet changed;
  const BgrImageView view = picture.View();
  for (int y = 0; y < view.height; ++y) {
    for (int x = 0; x < view.width; ++x) {
      const ColorTriple original = Marker(x, y);
      const ColorTriple inverse{static_cast<std::uint8_t>(~original.blue),
                                static_cast<std::uint8_t>(~original.green),
                                static_cast<std::uint8_t>(~original.red)};
      if (view.At(x, y) == inverse) {
        changed.insert({x, y});
      } else if (view.At(x, y) != original) {
        changed.insert({-1, -1});
      }
    }
  }
  return changed;
}

// Which source index each target index shows, from the run length of every
// source index: `base`, or `base` + 1 for the listed wide ones.
std::vector<int> Replication(int sourceLength, int targetLength, const std::vector<int>& wide) {
  std::vector<int> map;
  const int base = targetLength / sourceLength;
  for (int s = 0; s < sourceLength; ++s) {
    const bool isWide = std::find(wide.begin(), wide.end(), s) != wide.end();
    map.insert(map.end(), base + (isWide ? 1 : 0), s);
  }
  return map;
}

TEST(StretchPixels, ReplicatesEveryCaptureSizeOntoTheDefaultPictureAsStretchBltDoes) {
  // The wide columns and rows, one pixel longer than the rest, as StretchBlt
  // in COLORONCOLOR mode laid them out under Wine for each zoom's capture
  // size. Zoom 18 and 20 capture the same sizes as 17 and 19.
  const struct {
    int zoom;
    std::vector<int> wideColumns;
    std::vector<int> wideRows;
  } cases[] = {
      {1, {}, {}},
      {2, {40}, {}},
      {3, {}, {}},
      {4, {20}, {}},
      {5, {}, {6, 19}},
      {6, {4, 13, 22}, {}},
      {7, {2, 8, 14, 20}, {1, 4, 7, 10, 13, 16}},
      {8, {1, 5, 9, 13, 17}, {1, 5, 9, 13}},
      {9, {2, 8, 14}, {1, 3, 5, 8, 10, 12}},
      {10, {1, 4, 7, 11, 14}, {3, 9}},
      {11, {}, {}},
      {12, {0, 2, 3, 5, 6, 7, 9, 10, 12}, {}},
      {13, {0, 1, 3, 4, 5, 7, 8, 9, 11}, {2, 7}},
      {14, {}, {0, 2, 3, 5, 6, 8}},
      {15, {}, {0, 2, 4, 6}},
      {16, {0, 2, 4, 6, 8}, {0, 2, 4, 6}},
      {17, {1, 4, 7}, {0, 1, 2, 4, 5, 6}},
      {19, {0, 2, 3, 5, 7}, {}},
  };
  for (const auto& c : cases) {
    const int width = kPictureWidth / c.zoom;
    const int height = kPictureHeight / c.zoom;
    Picture capture(width, height);
    Picture magnified(kPictureWidth, kPictureHeight);
    StretchPixels(capture.View(), magnified.View());

    const std::vector<int> columns = Replication(width, kPictureWidth, c.wideColumns);
    const std::vector<int> rows = Replication(height, kPictureHeight, c.wideRows);
    ASSERT_EQ(columns.size(), static_cast<std::size_t>(kPictureWidth)) << "zoom " << c.zoom;
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kPictureHeight)) << "zoom " << c.zoom;
    int wrong = 0;
    for (int y = 0; y < kPictureHeight; ++y) {
      for (int x = 0; x < kPictureWidth; ++x) {
        if (magnified.View().At(x, y) != Marker(columns[x], rows[y])) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << "zoom " << c.zoom;
    EXPECT_TRUE(magnified.OutsideUntouched()) << "zoom " << c.zoom;
    EXPECT_TRUE(capture.OutsideUntouched()) << "zoom " << c.zoom;
  }
}

TEST(StretchPixels, EmptySourceOrTargetChangesNothing) {
  for (const auto& [width, height] : {std::pair{0, 26}, std::pair{33, 0}, std::pair{0, 0}}) {
    Picture capture(width, height);
    Picture magnified(kPictureWidth, kPictureHeight);
    StretchPixels(capture.View(), magnified.View());
    EXPECT_TRUE(ChangedPixels(magnified).empty()) << width << " x " << height;
    EXPECT_TRUE(magnified.OutsideUntouched()) << width << " x " << height;
  }
  Picture capture(33, 26);
  Picture empty(0, 0);
  StretchPixels(capture.View(), empty.View());
  EXPECT_TRUE(empty.OutsideUntouched());
}

TEST(StretchPixels, ShrinkingAfterTheMagnifierGotSmallerReadsOnlyTheSource) {
  // A capture kept from a larger layout, stretched onto a smaller picture.
  Picture capture(200, 160);
  Picture magnified(kPictureWidth, kPictureHeight);
  StretchPixels(capture.View(), magnified.View());
  for (int y = 0; y < kPictureHeight; ++y) {
    for (int x = 0; x < kPictureWidth; ++x) {
      const ColorTriple pixel = magnified.View().At(x, y);
      ASSERT_LT(pixel.blue, 200);
      ASSERT_LT(pixel.green, 160);
      ASSERT_EQ(pixel.red, 0x5A);
    }
  }
  EXPECT_TRUE(magnified.OutsideUntouched());
}

TEST(PickFromPicture, GivesThePixelsColorInsideAndNoColorOutside) {
  Picture picture(kPictureWidth, kPictureHeight);
  picture.View().At(164, 131) = {0x01, 0x02, 0x03};
  const struct {
    int x, y;
    std::optional<TColor> color;
  } cases[] = {
      {0, 0, MakeColor(0x5A, 0, 0)},
      {83, 67, MakeColor(0x5A, 67, 83)},
      {164, 131, MakeColor(0x03, 0x02, 0x01)},
      {-1, 0, std::nullopt},
      {0, -1, std::nullopt},
      {165, 0, std::nullopt},
      {0, 132, std::nullopt},
      {INT_MIN, INT_MAX, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PickFromPicture(picture.View(), c.x, c.y), c.color) << c.x << ", " << c.y;
  }
  Picture empty(0, 0);
  EXPECT_EQ(PickFromPicture(empty.View(), 0, 0), std::nullopt);
}

PixelSet CrossPixels(int cx, int cy) {
  PixelSet pixels;
  for (int i = -10; i < 10; ++i) {
    pixels.insert({cx + i, cy});
    pixels.insert({cx, cy + i});
  }
  pixels.erase({cx, cy});  // inverted twice
  return pixels;
}

PixelSet RectanglePixels(int left, int top, int right, int bottom) {
  PixelSet pixels;
  for (int x = left; x <= right; ++x) {
    pixels.insert({x, top});
    pixels.insert({x, bottom});
  }
  for (int y = top; y <= bottom; ++y) {
    pixels.insert({left, y});
    pixels.insert({right, y});
  }
  return pixels;
}

TEST(DrawCrosshair, InvertsExactlyTheWorkedCrossAndRectanglePixels) {
  const struct {
    int zoom;
    int cx, cy;
    int left, top, right, bottom;
  } cases[] = {
      {1, 82, 66, 82, 66, 84, 68},  {2, 83, 66, 82, 65, 85, 68},   {5, 82, 66, 80, 64, 86, 70},
      {10, 85, 64, 80, 59, 91, 70}, {20, 90, 78, 80, 67, 101, 90},
  };
  for (const auto& c : cases) {
    // Any nonzero style other than the rectangle draws the cross.
    for (const int crossStyle : {1, 3, -1}) {
      Picture picture(kPictureWidth, kPictureHeight);
      DrawCrosshair(picture.View(), crossStyle, c.zoom);
      EXPECT_EQ(ChangedPixels(picture), CrossPixels(c.cx, c.cy))
          << "cross " << crossStyle << " at zoom " << c.zoom;
      EXPECT_TRUE(picture.OutsideUntouched());
    }
    Picture picture(kPictureWidth, kPictureHeight);
    DrawCrosshair(picture.View(), 2, c.zoom);
    EXPECT_EQ(ChangedPixels(picture), RectanglePixels(c.left, c.top, c.right, c.bottom))
        << "rectangle at zoom " << c.zoom;
    EXPECT_TRUE(picture.OutsideUntouched());
  }
}

TEST(DrawCrosshair, DrawingTwiceRestoresThePicture) {
  for (const int style : {1, 2}) {
    Picture picture(kPictureWidth, kPictureHeight);
    DrawCrosshair(picture.View(), style, 7);
    ASSERT_FALSE(ChangedPixels(picture).empty());
    DrawCrosshair(picture.View(), style, 7);
    EXPECT_TRUE(ChangedPixels(picture).empty()) << "style " << style;
  }
}

TEST(DrawCrosshair, NoStyleOrAnEmptyCaptureDrawsNothing) {
  const struct {
    int width, height, style, zoom;
  } cases[] = {
      {kPictureWidth, kPictureHeight, 0, 5},
      {4, 132, 1, 5},    // narrower than the zoom factor
      {165, 10, 2, 20},  // lower than the zoom factor
      {0, 0, 1, 1},
  };
  for (const auto& c : cases) {
    Picture picture(c.width, c.height);
    DrawCrosshair(picture.View(), c.style, c.zoom);
    EXPECT_TRUE(ChangedPixels(picture).empty()) << c.width << " x " << c.height;
    EXPECT_TRUE(picture.OutsideUntouched()) << c.width << " x " << c.height;
  }
}

TEST(DrawCrosshair, PartsBeyondASmallPictureAreClipped) {
  // 20 × 20 at zoom 11: one captured pixel, nudged by (3, 3). The cross is
  // centred at (13, 13) and the rectangle runs from (3, 3) to (24, 24).
  PixelSet cross;
  for (int i = 3; i < 20; ++i) {
    cross.insert({i, 13});
    cross.insert({13, i});
  }
  cross.erase({13, 13});
  PixelSet rectangle;
  for (int i = 3; i < 20; ++i) {
    rectangle.insert({i, 3});
    rectangle.insert({3, i});
  }
  const struct {
    int style;
    const PixelSet& expected;
  } cases[] = {{1, cross}, {2, rectangle}};
  for (const auto& c : cases) {
    Picture picture(20, 20);
    DrawCrosshair(picture.View(), c.style, 11);
    EXPECT_EQ(ChangedPixels(picture), c.expected) << "style " << c.style;
    EXPECT_TRUE(picture.OutsideUntouched()) << "style " << c.style;
  }
}

}  // namespace
}  // namespace tw
