#include "core/color/gradients.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/color/conversions.h"
#include "guarded_picture.h"

namespace tw {
namespace {

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

TEST(GradientStrips, EachComponentRunsAcrossTheStripWhileTheOthersStay) {
  // The positions of a color (65, 105, 225), hue 225, saturation 181.
  const BarPositions rgb{65, 105, 225};
  const BarPositions hsv{225, 181, 225};
  struct Case {
    const char* strip;
    bool hsvGroup;
    int varied;
    ColorTriple first;  // column 0: the component at 0
    ColorTriple last;   // column 104: t = 252
  };
  const Case cases[] = {
      {"red", false, 0, MakeColorTriple(0, 105, 225), MakeColorTriple(252, 105, 225)},
      {"green", false, 1, MakeColorTriple(65, 0, 225), MakeColorTriple(65, 252, 225)},
      {"blue", false, 2, MakeColorTriple(65, 105, 0), MakeColorTriple(65, 105, 252)},
      // Hue 0 at the left and MulDiv(360, 252, 255) = 356 at the right.
      {"hue", true, 0, HSVToColorTriple(0, 181, 225), HSVToColorTriple(356, 181, 225)},
      {"saturation", true, 1, MakeColorTriple(225, 225, 225), HSVToColorTriple(225, 252, 225)},
      {"value", true, 2, MakeColorTriple(0, 0, 0), HSVToColorTriple(225, 181, 252)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.strip);
    GuardedPicture picture(105, 5);
    if (c.hsvGroup) {
      PaintHsvStrip(picture.View(), c.varied, hsv);
    } else {
      PaintRgbStrip(picture.View(), c.varied, rgb);
    }
    for (int y = 0; y < 5; ++y) {
      EXPECT_EQ(picture.View().At(0, y), c.first) << "row " << y;
      EXPECT_EQ(picture.View().At(104, y), c.last) << "row " << y;
    }
    EXPECT_TRUE(picture.PaddingUntouched());
  }
}

TEST(GradientStrips, StepsTruncateAndNeverReach255) {
  GuardedPicture picture(105, 1);
  PaintRgbStrip(picture.View(), 0, {0, 0, 0});
  std::vector<int> reds;
  for (int x = 0; x < 105; ++x) reds.push_back(picture.View().At(x, 0).red);
  EXPECT_EQ((std::vector<int>(reds.begin(), reds.begin() + 4)), (std::vector<int>{0, 2, 4, 7}));
  EXPECT_EQ(reds.back(), 252);
  EXPECT_TRUE(std::is_sorted(reds.begin(), reds.end()));
}

TEST(GradientStrips, AnEmptyStripIsLeftAlone) {
  GuardedPicture picture(0, 0);
  PaintHsvStrip(picture.View(), 0, {10, 20, 30});
  EXPECT_TRUE(picture.PaddingUntouched());
}

}  // namespace
}  // namespace tw
