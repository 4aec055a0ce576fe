#include "core/color/channel_editing.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(NormalizeComponentText, RewritesTheTextALeftBoxShows) {
  struct Case {
    const char* typed;
    int limit;
    const char* shown;
  };
  const Case cases[] = {
      {"007", 255, "7"},   {"300", 255, "255"}, {"300", 360, "300"}, {"361", 360, "360"},
      {"", 255, "0"},      {"abc", 255, "0"},   {"-5", 255, "0"},    {"$FF", 255, "255"},
      {"0x10", 255, "16"}, {"12a", 255, "0"},   {"255", 255, "255"}, {"99999999999", 255, "0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NormalizeComponentText(c.typed, c.limit), c.shown)
        << '"' << c.typed << "\" limit " << c.limit;
  }
}

TEST(RedistributeBrightness, ChannelsThatCanMoveShareTheChange) {
  struct Case {
    std::array<int, 3> rgb;
    int target;
    std::array<int, 3> expected;
  };
  const Case cases[] = {
      {{100, 50, 0}, 60, {110, 60, 10}},
      {{100, 50, 0}, 40, {85, 35, 0}},       // only two channels above 0: step 15
      {{255, 255, 0}, 200, {255, 255, 90}},  // only blue can grow
      {{250, 0, 0}, 100, {255, 17, 17}},     // red clamps at 255
      {{100, 50, 0}, 50, {100, 50, 0}},      // mean already there
      {{10, 200, 30}, 0, {0, 0, 0}},
      {{10, 200, 30}, 255, {255, 255, 255}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RedistributeBrightness(c.rgb, c.target), c.expected)
        << c.rgb[0] << "," << c.rgb[1] << "," << c.rgb[2] << " to " << c.target;
  }
}

}  // namespace
}  // namespace tw
