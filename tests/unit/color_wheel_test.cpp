#include "core/color/color_wheel.h"

#include <gtest/gtest.h>

#include "core/color/conversions.h"
#include "guarded_picture.h"

namespace tw {
namespace {

struct WheelPixelCase {
  int x;
  int y;
  ColorTriple color;
};

// The wheel of the full layout, 103 × 103, at value 255.
const WheelPixelCase kFullWheelAt255[] = {
    {51, 0, MakeColorTriple(255, 0, 0)},       // straight above the centre: hue 360
    {102, 51, MakeColorTriple(128, 255, 0)},   // right: hue 90
    {51, 102, MakeColorTriple(0, 255, 255)},   // below: hue 180
    {0, 51, MakeColorTriple(128, 0, 255)},     // left: hue 270
    {87, 15, MakeColorTriple(255, 192, 0)},    // hue 45
    {51, 1, MakeColorTriple(255, 5, 5)},       // hue 360, saturation 250
    {51, 51, MakeColorTriple(255, 255, 255)},  // the centre: saturation 0
    {0, 0, MakeColorTriple(0, 0, 0)},          // outside the disc
    {102, 102, MakeColorTriple(0, 0, 0)},
};

TEST(ColorWheel, FullSizeWheelAtValue255ShowsTheWorkedPixels) {
  const ColorWheel wheel(103, 103);
  GuardedPicture picture(103, 103);
  wheel.Paint(picture.View(), 255);
  for (const WheelPixelCase& c : kFullWheelAt255) {
    EXPECT_EQ(picture.View().At(c.x, c.y), c.color) << c.x << "," << c.y;
  }
  EXPECT_TRUE(picture.PaddingUntouched());
}

TEST(ColorWheel, EveryPixelShowsTheHueAndSaturationItMapsTo) {
  const ColorWheel wheel(103, 103);
  GuardedPicture picture(103, 103);
  wheel.Paint(picture.View(), 200);
  int inside = 0;
  for (int y = 0; y < 103; ++y) {
    for (int x = 0; x < 103; ++x) {
      const HueSaturation* shown = wheel.At(x, y);
      const ColorTriple expected =
          shown ? HSVToColorTriple(shown->hue, shown->saturation, 200) : ColorTriple{0, 0, 0};
      ASSERT_EQ(picture.View().At(x, y), expected) << x << "," << y;
      inside += shown != nullptr;
    }
  }
  // The disc of radius 51 holds about π·51² ≈ 8171 pixels.
  EXPECT_GT(inside, 8000);
  EXPECT_LT(inside, 8400);
}

TEST(ColorWheel, AtValue0TheWholeDiscIsBlack) {
  const ColorWheel wheel(103, 103);
  GuardedPicture picture(103, 103);
  wheel.Paint(picture.View(), 0);
  for (int y = 0; y < 103; ++y) {
    for (int x = 0; x < 103; ++x) ASSERT_EQ(picture.View().At(x, y), (ColorTriple{0, 0, 0}));
  }
}

TEST(ColorWheel, OtherLayoutSizesStayInsideTheirImage) {
  // Large after a layout change (one row taller), medium, and the tiny wheel
  // of the small layout, which is wider than high.
  const int sizes[][2] = {{103, 104}, {63, 63}, {3, 2}};
  for (const auto& [width, height] : sizes) {
    SCOPED_TRACE(testing::Message() << width << " x " << height);
    const ColorWheel wheel(width, height);
    GuardedPicture picture(width, height);
    wheel.Paint(picture.View(), 255);
    EXPECT_TRUE(picture.PaddingUntouched());
    // The centre column is height - 1 - radius: the radius itself for odd heights.
    const int radius = height / 2;
    const HueSaturation* centre = wheel.At(height - 1 - radius, radius);
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->saturation, 0);
    EXPECT_EQ(wheel.At(-1, 0), nullptr);
    EXPECT_EQ(wheel.At(width, 0), nullptr);
  }
}

TEST(HueSaturationAtPoint, FollowsThePointsDirectionAndDistance) {
  struct Case {
    int x;
    int y;
    HueSaturation chosen;
  };
  const Case cases[] = {
      {87, 15, {45, 255}},   {60, 51, {90, 45}},  // distance 9: MulDiv(9, 255, 51) = 45
      {200, 51, {90, 255}},                       // outside the image while dragging
      {51, 51, {90, 0}},                          // the centre
      {51, 0, {360, 255}},                        // straight above
      {51, 102, {180, 255}}, {0, 51, {270, 255}}, {51, -40, {360, 255}}, {-30, -30, {315, 255}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HueSaturationAtPoint(c.x, c.y, 103), c.chosen) << c.x << "," << c.y;
  }
}

TEST(HueSaturationAtPoint, AgreesWithTheWheelOnItsRim) {
  const ColorWheel wheel(103, 103);
  for (const auto& [x, y] : {std::pair{51, 0}, {102, 51}, {51, 102}, {0, 51}}) {
    ASSERT_NE(wheel.At(x, y), nullptr);
    EXPECT_EQ(HueSaturationAtPoint(x, y, 103).hue, wheel.At(x, y)->hue) << x << "," << y;
  }
}

}  // namespace
}  // namespace tw
