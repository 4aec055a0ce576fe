#include "core/color/gradients.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

// A picture with padded rows and a guard band after them, so a painter that
// writes past the last pixel of a row or of the picture is caught.
struct GuardedPicture {
  static constexpr std::uint8_t kGuard = 0xA5;
  int width;
  int height;
  std::ptrdiff_t stride;
  std::vector<std::uint8_t> bytes;

  GuardedPicture(int w, int h)
      : width(w), height(h), stride(((w * 3 + 3) / 4) * 4), bytes(stride * h + 64, kGuard) {}
  BgrImageView View() { return {bytes.data(), width, height, stride}; }
  bool PaddingUntouched() const {
    for (int y = 0; y < height; ++y) {
      for (std::ptrdiff_t i = width * 3; i < stride; ++i) {
        if (bytes[y * stride + i] != kGuard) return false;
      }
    }
    for (std::size_t i = stride * height; i < bytes.size(); ++i) {
      if (bytes[i] != kGuard) return false;
    }
    return true;
  }
};

TEST(PaintRamp, ColumnsRunFromBlackTowardFullIntensityAndStayInsideThePicture) {
  struct Case {
    RampColor color;
    ColorTriple last;  // column 104 of a 105-wide strip: 104 × 255 ÷ 105 = 252
  };
  const Case cases[] = {
      {RampColor::kRed, {0, 0, 252}},
      {RampColor::kGreen, {0, 252, 0}},
      {RampColor::kBlue, {252, 0, 0}},
      {RampColor::kGray, {252, 252, 252}},
  };
  for (const Case& c : cases) {
    GuardedPicture picture(105, 5);
    PaintRamp(picture.View(), c.color);
    for (int y = 0; y < picture.height; ++y) {
      EXPECT_EQ(picture.View().At(0, y), (ColorTriple{0, 0, 0}));
      EXPECT_EQ(picture.View().At(104, y), c.last);
    }
    EXPECT_EQ(picture.View().At(52, 2).red + picture.View().At(52, 2).green +
                  picture.View().At(52, 2).blue,
              (c.color == RampColor::kGray ? 3 : 1) * (52 * 255 / 105));
    EXPECT_TRUE(picture.PaddingUntouched());
  }
}

TEST(PaintRamp, EmptyPictureIsLeftAlone) {
  GuardedPicture picture(0, 3);
  PaintRamp(picture.View(), RampColor::kRed);
  EXPECT_TRUE(picture.PaddingUntouched());
}

}  // namespace
}  // namespace tw
