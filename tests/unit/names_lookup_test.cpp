#include "core/names/closest_color.h"

#include <limits>
#include <random>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/names/color_list.h"
#include "core/names/color_sort.h"
#include "core/names/rgb_hex.h"

namespace tw {
namespace {

// ---------------------------------------------------------------------------
// Exact naming

TEST(FindExactName, NamesRoyalBlueInBothTables) {
  const ExactName extended = FindExactName(ColorNameTable(), -1, RGBHex(0x4169E1));
  EXPECT_EQ(extended.index, 1116);
  EXPECT_FALSE(extended.keepsSelection);
  const ExactName html = FindExactName(HTMLColorTable(), -1, RGBHex(0x4169E1));
  ASSERT_GE(html.index, 0);
  EXPECT_EQ(HTMLColorTable()[html.index].name, "RoyalBlue");
  EXPECT_EQ(FindExactName(ColorNameTable(), -1, RGBHex(0x002366)).index, 1115);
  EXPECT_EQ(FindExactName(HTMLColorTable(), -1, RGBHex(0x002366)).index, -1);
}

TEST(FindExactName, NamesCyanAndRichBlack) {
  const auto nameOf = [](std::span<const NamedColor> table, TColor c) {
    const int i = FindExactName(table, -1, c).index;
    return i < 0 ? std::string_view("(none)") : table[i].name;
  };
  EXPECT_EQ(nameOf(HTMLColorTable(), RGBHex(0x00FFFF)), "Cyan / Aqua");
  EXPECT_EQ(nameOf(ColorNameTable(), RGBHex(0x00FFFF)), "Aqua / Cyan / Turquoise Blue");
  EXPECT_EQ(nameOf(ColorNameTable(), RGBHex(0x010203)), "Rich Black (FOgra39)");
  EXPECT_EQ(nameOf(HTMLColorTable(), RGBHex(0x010203)), "(none)");
}

struct ExactCase {
  const char* what;
  int selected;
  TColor color;
  int index;
  bool keeps;
};

TEST(FindExactName, KeepsAMatchingSelectionElseTakesTheFirstMatch) {
  // Two items share a color here, as values never do within one table, to
  // show which of them wins.
  const NamedColor items[] = {{"A", RGBHex(0x102030)},
                              {"B", RGBHex(0x405060)},
                              {"C", RGBHex(0x102030)},
                              {"D", RGBHex(0xFFFFFF)}};
  const ExactCase kCases[] = {
      {"selected item matches: it stays", 2, RGBHex(0x102030), 2, true},
      {"selected item differs: the first match", 1, RGBHex(0x102030), 0, false},
      {"no selection: the first match", -1, RGBHex(0x102030), 0, false},
      {"no match: none", 3, RGBHex(0x000001), -1, false},
      {"all 32 bits count", -1, static_cast<TColor>(0x01FFFFFF), -1, false},
      {"a system color names nothing", -1, static_cast<TColor>(0x80000005), -1, false},
      {"a stale selection past the end is no selection", 4, RGBHex(0xFFFFFF), 3, false},
  };
  for (const ExactCase& c : kCases) {
    const ExactName found = FindExactName(items, c.selected, c.color);
    EXPECT_EQ(found.index, c.index) << c.what;
    EXPECT_EQ(found.keepsSelection, c.keeps) << c.what;
  }
  EXPECT_EQ(FindExactName({}, -1, 0).index, -1);
}

// ---------------------------------------------------------------------------
// Closest match

// Written apart from the code under test: the smallest squared distance, the
// first item that has it, and only if it is closer than 255.
int BruteForceClosest(std::span<const NamedColor> items, int selected, int r, int g, int b) {
  long long best = std::numeric_limits<long long>::max();
  int first = -1;
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const long long dr = RedOf(items[i].value) - static_cast<long long>(r);
    const long long dg = GreenOf(items[i].value) - static_cast<long long>(g);
    const long long db = BlueOf(items[i].value) - static_cast<long long>(b);
    const long long d = dr * dr + dg * dg + db * db;
    if (d < best) {
      best = d;
      first = i;
    }
  }
  return best < 255 * 255 ? first : selected;
}

// The plain scan and the grid, which must agree tie for tie.
class ClosestColor : public testing::TestWithParam<bool> {
 protected:
  int Find(std::span<const NamedColor> items, int selected, int r, int g, int b) const {
    if (!GetParam()) return FindClosestColor(items, selected, r, g, b);
    return ClosestColorFinder(items).Find(selected, r, g, b);
  }
};

struct ClosestCase {
  const char* what;
  std::vector<TColor> items;
  int selected;
  int r, g, b;
  int expected;
};

TEST_P(ClosestColor, FollowsTheListsRule) {
  const ClosestCase kCases[] = {
      {"an exact match wins", {RGBHex(0x010000), RGBHex(0x000000)}, -1, 0, 0, 0, 1},
      {"a tie goes to the first in list order",
       {RGBHex(0x0A0000), RGBHex(0x000A00)},
       -1,
       0,
       0,
       0,
       0},
      {"the same tie in the other order", {RGBHex(0x000A00), RGBHex(0x0A0000)}, -1, 0, 0, 0, 0},
      {"a tie across a grid cell border", {RGBHex(0x280000), RGBHex(0x180000)}, -1, 32, 0, 0, 0},
      {"the other side of the border first", {RGBHex(0x180000), RGBHex(0x280000)}, -1, 32, 0, 0, 0},
      // (62, 62, 62) lies exactly as far from the cell [0, 31]^3 as its farthest
      // corner lies from black: a tie at (31, 31, 31) that it must win.
      {"a tie with an entry from a farther cell",
       {RGBHex(0x3E3E3E), RGBHex(0x000000)},
       -1,
       31,
       31,
       31,
       0},
      {"254 away is taken", {RGBHex(0xFE0000)}, -1, 0, 0, 0, 0},
      {"255 away is not: no selection stays none", {RGBHex(0xFF0000)}, -1, 0, 0, 0, -1},
      {"nothing within 255: the selection stays",
       {RGBHex(0xFFFFFF), RGBHex(0xFAFAFA)},
       1,
       0,
       0,
       0,
       1},
      {"the selection does not win a tie", {RGBHex(0x0A0000), RGBHex(0x000A00)}, 1, 0, 0, 0, 0},
      {"an empty list keeps the selection", {}, -1, 10, 20, 30, -1},
      {"channels below 0", {RGBHex(0x000000), RGBHex(0x140000)}, -1, -10, 0, 0, 0},
      {"channels above 255", {RGBHex(0xFF0000), RGBHex(0x000000)}, -1, 300, 0, 0, 0},
      {"extreme channels reach nothing",
       {RGBHex(0xFF0000)},
       -1,
       std::numeric_limits<int>::min(),
       0,
       std::numeric_limits<int>::max(),
       -1},
  };
  for (const ClosestCase& c : kCases) {
    std::vector<NamedColor> items;
    for (TColor v : c.items) items.push_back({"", v});
    EXPECT_EQ(Find(items, c.selected, c.r, c.g, c.b), c.expected) << c.what;
  }
}

TEST_P(ClosestColor, FindsBlackOrRichBlackFor010203) {
  const int html = Find(HTMLColorTable(), -1, 1, 2, 3);
  ASSERT_GE(html, 0);
  EXPECT_EQ(HTMLColorTable()[html].name, "Black");
  EXPECT_EQ(Find(ColorNameTable(), -1, 1, 2, 3), 1087);  // Rich Black (FOgra39)
}

// Thousands of seeded random colors over both tables in several orders (the
// order decides ties), plus the channel values at grid cell borders.
TEST_P(ClosestColor, AgreesWithBruteForceOnTheRealTables) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> channel(0, 255);
  for (const bool html : {false, true}) {
    for (const int order : {SortByName, SortByHue, SortByBrightness}) {
      NamedColors colors = TableEntries(html);
      SortColors(colors, order);
      const ClosestColorFinder finder(colors);
      const auto find = [&](int selected, int r, int g, int b) {
        return GetParam() ? finder.Find(selected, r, g, b)
                          : FindClosestColor(colors, selected, r, g, b);
      };
      std::uniform_int_distribution<int> selection(-1, static_cast<int>(colors.size()) - 1);
      for (int n = 0; n < 3000; ++n) {
        const int r = channel(random), g = channel(random), b = channel(random);
        const int selected = selection(random);
        ASSERT_EQ(find(selected, r, g, b), BruteForceClosest(colors, selected, r, g, b))
            << (html ? "HTML" : "extended") << " order " << order << " color " << r << ", " << g
            << ", " << b;
      }
      for (const int v : {0, 31, 32, 63, 64, 127, 128, 223, 224, 255}) {
        ASSERT_EQ(find(-1, v, 255 - v, v), BruteForceClosest(colors, -1, v, 255 - v, v)) << v;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Implementations, ClosestColor, testing::Bool(),
                         [](const auto& info) { return info.param ? "Grid" : "Scan"; });

}  // namespace
}  // namespace tw
