#include "core/names/color_sort.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/names/rgb_hex.h"

namespace tw {
namespace {

int SignOf(int v) { return (v > 0) - (v < 0); }

// ---------------------------------------------------------------------------
// Name order: UTF-16 code units

struct NameCase {
  std::string_view a, b;
  int expected;
};

TEST(CompareUTF16Order, OrdersByCodeUnits) {
  constexpr NameCase kCases[] = {
      {"B'Dazzled Blue", "Bazaar", -1},  // the apostrophe sorts before letters
      {"YInmn Blue", "Yale Blue", -1},   // upper case before lower case
      {"Blue", "Blue (Crayola)", -1},    // a prefix comes first
      {"Bronze", "Bronze", 0},
      {"", "A", -1},
      {"Caf\xC3\xA9", "Cafe", 1},  // U+00E9 after 'e'
      {"Big Dip O\xE2\x80\x99Ruby", "Big Dip Oa", 1},
      // Beyond U+FFFF a character is a surrogate pair, whose first unit
      // (D800..DBFF) sorts before U+E000..U+FFFF; UTF-8 bytes say otherwise.
      {"\xF0\x9F\x98\x80", "\xEF\xBF\xBD", -1},
      {"\xF0\x9F\x98\x80", "\xEE\x80\x80", -1},
      {"\xF0\x9F\x98\x80", "\xED\x9F\xBF", 1},  // U+D7FF still sorts before it
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x81", -1},
  };
  for (const NameCase& c : kCases) {
    EXPECT_EQ(SignOf(CompareUTF16Order(c.a, c.b)), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(SignOf(CompareUTF16Order(c.b, c.a)), -c.expected) << c.b << " vs " << c.a;
  }
}

// ---------------------------------------------------------------------------
// Each order against a small fixture that shows its keys and tie rule

std::vector<TColor> ValuesOf(const NamedColors& colors) {
  std::vector<TColor> values;
  for (const NamedColor& c : colors) values.push_back(c.value);
  return values;
}

// Sorts unnamed entries of these values; returns the values in their new order.
std::vector<TColor> Sorted(std::vector<TColor> values, int order) {
  NamedColors colors;
  for (TColor v : values) colors.push_back({"", v});
  SortColors(colors, order);
  return ValuesOf(colors);
}

struct OrderCase {
  const char* name;
  int order;
  std::vector<TColor> input;
  std::vector<TColor> expected;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class SortOrders : public testing::TestWithParam<OrderCase> {};

TEST_P(SortOrders, SortByTheirKeysAndTieRules) {
  EXPECT_EQ(Sorted(GetParam().input, GetParam().order), GetParam().expected);
}

const TColor kRed = RGBHex(0xFF0000), kDarkRed = RGBHex(0x800000), kPink = RGBHex(0xFF8080);
const TColor kGreen = RGBHex(0x00FF00), kBlue = RGBHex(0x0000FF), kWhite = RGBHex(0xFFFFFF);
const TColor kBlack = RGBHex(0x000000), kGrey50 = RGBHex(0x323232), kGrey200 = RGBHex(0xC8C8C8);
const TColor kNavy = RGBHex(0x000080), kLightViolet = RGBHex(0xFF80FF);

// (h, s, v) of the fixture: grey 200 (0, 0, 200), pink (0, 127, 255), light
// violet (300, 127, 255), dark red (0, 255, 128), red (0, 255, 255), navy
// (240, 255, 128), blue (240, 255, 255), green (120, 255, 255). #FF0401 has
// hue 0.71, which counts as 0, so its saturation below 255 puts it before
// dark red; #FF0001 has hue 359.76, which counts as 359.
INSTANTIATE_TEST_SUITE_P(
    Fixtures, SortOrders,
    testing::Values(
        // hue, then saturation, then value
        OrderCase{"Hue",
                  SortByHue,
                  {kGreen, RGBHex(0xFF0001), kRed, kPink, kDarkRed, kGrey200, RGBHex(0xFF0401)},
                  {kGrey200, kPink, RGBHex(0xFF0401), kDarkRed, kRed, kGreen, RGBHex(0xFF0001)}},
        // saturation, then hue, then value
        OrderCase{"Saturation",
                  SortBySaturation,
                  {kBlue, kRed, kNavy, kGrey200, kDarkRed, kGrey50, kPink},
                  {kGrey50, kGrey200, kPink, kDarkRed, kRed, kNavy, kBlue}},
        // value, then saturation, then hue
        OrderCase{"Value",
                  SortByValue,
                  {kBlue, kRed, kLightViolet, kWhite, kPink, kDarkRed},
                  {kDarkRed, kWhite, kPink, kLightViolet, kRed, kBlue}},
        // brightness sum, largest first
        OrderCase{"Brightness",
                  SortByBrightness,
                  {kGrey50, kWhite, kBlack, kPink, kRed},
                  {kWhite, kPink, kRed, kGrey50, kBlack}},
        // an order outside 0..7: brightness sum, smallest first
        OrderCase{"UnknownOrder",
                  8,
                  {kGrey50, kWhite, kBlack, kPink, kRed},
                  {kBlack, kGrey50, kRed, kPink, kWhite}},
        OrderCase{"NegativeOrder", -1, {kWhite, kRed, kBlack}, {kBlack, kRed, kWhite}}),
    [](const auto& info) { return std::string(info.param.name); });

// Red, green and blue order alike: the channel largest first, then the
// brightness sum smallest first. One fixture serves all three by moving its
// leading channel into the channel under test.
TEST(SortOrders, ChannelOrdersTakeTheChannelDescendingThenTheDarkerFirst) {
  struct Channel {
    int order;
    TColor (*make)(int lead, int a, int b);
  };
  const Channel kChannels[] = {
      {SortByRed, [](int lead, int a, int b) { return MakeColor(lead, a, b); }},
      {SortByGreen, [](int lead, int a, int b) { return MakeColor(a, lead, b); }},
      {SortByBlue, [](int lead, int a, int b) { return MakeColor(a, b, lead); }},
  };
  for (const Channel& ch : kChannels) {
    const TColor full = ch.make(255, 0, 0), fullTinted = ch.make(255, 10, 0),
                 fullWhite = ch.make(255, 255, 255), half = ch.make(128, 0, 0),
                 halfTinted = ch.make(128, 0, 90), none = ch.make(0, 0, 0);
    EXPECT_EQ(Sorted({none, fullWhite, halfTinted, full, half, fullTinted}, ch.order),
              (std::vector<TColor>{full, fullTinted, fullWhite, half, halfTinted, none}))
        << "order " << ch.order;
  }
}

TEST(SortOrders, NameOrderBreaksTiesByTheDarkerColor) {
  NamedColors colors = {{"Bronze", RGBHex(0xCD7F32)},
                        {"Bazaar", RGBHex(0x8F7777)},
                        {"Bronze", RGBHex(0x88540B)},
                        {"B'Dazzled Blue", RGBHex(0x2E5894)}};
  SortColors(colors, SortByName);
  EXPECT_EQ(ValuesOf(colors), (std::vector<TColor>{RGBHex(0x2E5894), RGBHex(0x8F7777),
                                                   RGBHex(0x88540B), RGBHex(0xCD7F32)}));
}

// Entries the order cannot tell apart land where the list's quicksort leaves
// them: not in input order, and not simply reversed either.
TEST(SortColors, LeavesEqualEntriesWhereItsQuicksortPutsThem) {
  // Red, green, blue and grey 85 share the brightness sum 255; yellow and
  // cyan share 510.
  const NamedColor red{"Red", kRed}, green{"Green", kGreen}, blue{"Blue", kBlue},
      grey{"Grey", RGBHex(0x555555)}, yellow{"Yellow", RGBHex(0xFFFF00)},
      cyan{"Cyan", RGBHex(0x00FFFF)};
  struct TieCase {
    NamedColors input;
    std::vector<std::string_view> expected;
  };
  const TieCase kCases[] = {
      {{red}, {"Red"}},
      {{red, green}, {"Green", "Red"}},
      {{red, green, blue}, {"Blue", "Green", "Red"}},
      {{red, green, blue, grey}, {"Blue", "Grey", "Red", "Green"}},
      // Two pairs: where the first pivot sits decides the order within each.
      {{red, yellow, green, cyan}, {"Cyan", "Yellow", "Red", "Green"}},
  };
  for (const TieCase& c : kCases) {
    NamedColors colors = c.input;
    SortColors(colors, SortByBrightness);
    std::vector<std::string_view> names;
    for (const NamedColor& rc : colors) names.push_back(rc.name);
    EXPECT_EQ(names, c.expected);
  }
}

TEST(SortColors, AcceptsAnEmptyArray) {
  NamedColors colors;
  SortColors(colors, SortByName);
  EXPECT_TRUE(colors.empty());
}

// ---------------------------------------------------------------------------
// The real tables

TEST(SortColors, SortsBothTablesUnderEveryOrder) {
  for (const bool html : {false, true}) {
    for (int order = -1; order <= 8; ++order) {
      SCOPED_TRACE(testing::Message() << (html ? "HTML" : "extended") << " order " << order);
      NamedColors colors = TableEntries(html);
      SortColors(colors, order);
      for (std::size_t i = 1; i < colors.size(); ++i) {
        ASSERT_LE(CompareColors(colors[i - 1], colors[i], order), 0)
            << colors[i - 1].name << " before " << colors[i].name;
      }
      std::vector<TColor> sorted = ValuesOf(colors), stored = ValuesOf(TableEntries(html));
      std::sort(sorted.begin(), sorted.end());
      std::sort(stored.begin(), stored.end());
      EXPECT_EQ(sorted, stored) << "not a permutation of the table";
    }
  }
}

std::vector<std::string_view> SortedNames(bool html, int order) {
  NamedColors colors = TableEntries(html);
  SortColors(colors, order);
  std::vector<std::string_view> names;
  for (const NamedColor& c : colors) names.push_back(c.name);
  return names;
}

std::ptrdiff_t Position(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) - names.begin();
}

TEST(SortColors, ExtendedTableByNameFollowsCodeUnits) {
  const std::vector<std::string_view> names = SortedNames(false, SortByName);
  EXPECT_LT(Position(names, "B'Dazzled Blue"), Position(names, "Bazaar"));
  EXPECT_LT(Position(names, "YInmn Blue"), Position(names, "Yale Blue"));
  EXPECT_LT(Position(names, "Kobe"), Position(names, "Sienna"));
  NamedColors colors = TableEntries(false);
  SortColors(colors, SortByName);
  const auto bronze = std::find_if(colors.begin(), colors.end(),
                                   [](const NamedColor& c) { return c.name == "Bronze"; });
  ASSERT_NE(bronze, colors.end());
  EXPECT_EQ(bronze[0].value, RGBHex(0x88540B));  // the darker one first
  EXPECT_EQ(bronze[1].value, RGBHex(0xCD7F32));
}

TEST(SortColors, RedAndBrightnessOrdersOpenAsTheListShowsThem) {
  for (const bool html : {false, true}) {
    EXPECT_EQ(SortedNames(html, SortByRed).front(), "Red");
    EXPECT_EQ(SortedNames(html, SortByBrightness).front(), "White");
    EXPECT_EQ(SortedNames(html, SortByBrightness).back(), "Black");
  }
}

}  // namespace
}  // namespace tw
