#include "core/names/color_tables.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/names/color_list.h"
#include "core/names/rgb_hex.h"

namespace tw {
namespace {

struct Row {
  int index;
  std::string_view name;
  TColor value;
};

void ExpectRows(std::span<const NamedColor> table, std::span<const Row> rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.index);
    EXPECT_EQ(table[row.index].name, row.name);
    EXPECT_EQ(table[row.index].value, row.value);
  }
}

// ---------------------------------------------------------------------------
// Counts and the rows whose place and color are known

TEST(ColorTables, HaveTheirCounts) {
  EXPECT_EQ(ColorNameTable().size(), 1417u);
  EXPECT_EQ(HTMLColorTable().size(), 139u);
  EXPECT_EQ(ColorNameCount, 1417);
  EXPECT_EQ(HTMLColorCount, 139);
}

TEST(ColorTables, ExtendedTableHasItsTellingRows) {
  constexpr Row kRows[] = {
      {0, "Absolute Zero", RGBHex(0x0048BA)},
      {49, "Aqua / Cyan / Turquoise Blue", RGBHex(0x00FFFF)},
      {65, "Azure", RGBHex(0x007FFF)},
      {66, "Azure / Azure Mist", RGBHex(0xF0FFFF)},
      {78, "Bazaar", RGBHex(0x8F7777)},
      {79, "B'Dazzled Blue", RGBHex(0x2E5894)},
      {91, "Black", RGBHex(0x000000)},
      {156, "Bronze", RGBHex(0x88540B)},
      {157, "Bronze", RGBHex(0xCD7F32)},
      {160, "Brown", RGBHex(0x993300)},
      {343, "Dark Green", RGBHex(0x013220)},
      {483, "Forest Green", RGBHex(0x014421)},
      {521, "Gold", RGBHex(0xA57C00)},
      {657, "Lemon Lime", RGBHex(0x5CFF67)},
      {658, "Lemon Lime", RGBHex(0xE3FF00)},
      {818, "Midnight Blue", RGBHex(0x00468C)},
      {912, "Orange-Red", RGBHex(0xFF681F)},
      {1019, "Plum", RGBHex(0x8E4585)},
      {1087, "Rich Black (FOgra39)", RGBHex(0x010203)},
      {1115, "Royal Blue", RGBHex(0x002366)},
      {1116, "Royal Blue", RGBHex(0x4169E1)},
      {1123, "Royal Red", RGBHex(0x9B1C31)},
      {1124, "Royal Red", RGBHex(0xD00060)},
      {1345, "Violet-Red", RGBHex(0x891446)},
      {1346, "Violet-Red", RGBHex(0xF75394)},
      {1382, "White", RGBHex(0xFFFFFF)},
      {1414, "Zaffre", RGBHex(0x0014A8)},
      {1415, "Zinnwaldite Brown", RGBHex(0x2C1608)},
      {1416, "Zomp", RGBHex(0x39A78E)},
  };
  ExpectRows(ColorNameTable(), kRows);
  // Stored order has a few exceptions to the alphabet that are part of the data.
  EXPECT_EQ(ColorNameTable()[1182].name, "Sienna");
  EXPECT_EQ(ColorNameTable()[1183].name, "Kobe");
}

TEST(ColorTables, HTMLTableHasItsTellingRows) {
  constexpr Row kRows[] = {
      {0, "AliceBlue", RGBHex(0xF0F8FF)},          {19, "Cyan / Aqua", RGBHex(0x00FFFF)},
      {53, "IndianRed ", RGBHex(0xCD5C5C)},        {54, "Indigo ", RGBHex(0x4B0082)},
      {77, "Magenta (Fuchsia)", RGBHex(0xFF00FF)}, {114, "RoyalBlue", RGBHex(0x4169E1)},
      {111, "RebeccaPurple", RGBHex(0x663399)},    {138, "YellowGreen", RGBHex(0x9ACD32)},
  };
  ExpectRows(HTMLColorTable(), kRows);
}

std::set<std::string_view> NamesOf(std::span<const NamedColor> table) {
  std::set<std::string_view> names;
  for (const NamedColor& c : table) names.insert(c.name);
  return names;
}

TEST(ColorTables, HTMLNamesKeepTheirSpellings) {
  const std::set<std::string_view> names = NamesOf(HTMLColorTable());
  for (std::string_view name :
       {"DarkGoldenRod", "GoldenRod", "HoneyDew", "LightGoldenRodYellow", "MediumAquaMarine",
        "PaleGoldenRod", "SeaShell", "IndianRed ", "Indigo ", "Gray", "DarkSlateGray"}) {
    EXPECT_TRUE(names.contains(name)) << '"' << name << '"';
  }
  // Only the gray spellings; the plain keywords fuchsia and aqua live inside
  // the combined names; trailing spaces are not trimmed.
  for (std::string_view name : {"Grey", "DarkGrey", "SlateGrey", "Aqua", "Fuchsia", "IndianRed"}) {
    EXPECT_FALSE(names.contains(name)) << '"' << name << '"';
  }
}

TEST(ColorTables, ExtendedNamesKeepNonASCIILettersAndApostrophes) {
  const std::set<std::string_view> names = NamesOf(ColorNameTable());
  for (std::string_view name :
       {"Big Dip O\xE2\x80\x99Ruby", "Caf\xC3\xA9 Noir",
        "Halay\xC3\xA0 \xC3\xBA"
        "be",
        "Tenn\xC3\xA9 (Tawny)", "Tuscan Tan / French Beige / Caf\xC3\xA9 Au Lait", "Davy'S Grey",
        "Hooker'S Green", "Aluminum foil", "Heidelberg Red[2] / Carmine"}) {
    EXPECT_TRUE(names.contains(name)) << name;
  }
}

// Spaces are part of a name, so a stray one would show; only the two HTML
// names that have always ended in one do.
TEST(ColorTables, NamesCarryNoStraySpaces) {
  for (const bool html : {false, true}) {
    for (const NamedColor& c : html ? HTMLColorTable() : ColorNameTable()) {
      const bool trailing = html && (c.name == "IndianRed " || c.name == "Indigo ");
      const std::string_view body = trailing ? c.name.substr(0, c.name.size() - 1) : c.name;
      EXPECT_FALSE(body.empty() || body.front() == ' ' || body.back() == ' ')
          << '"' << c.name << '"';
      EXPECT_EQ(body.find("  "), std::string_view::npos) << '"' << c.name << '"';
    }
  }
}

TEST(ColorTables, HTMLTableIsAlphabetical) {
  const auto folded = [](std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
  };
  const auto table = HTMLColorTable();
  for (std::size_t i = 1; i < table.size(); ++i) {
    EXPECT_LT(folded(table[i - 1].name), folded(table[i].name)) << i;
  }
}

// ---------------------------------------------------------------------------
// The invariants the color list relies on

TEST(ColorTables, OnlyFiveExtendedNamesRepeatAndNoHTMLName) {
  std::map<std::string_view, int> counts;
  for (const NamedColor& c : ColorNameTable()) ++counts[c.name];
  std::set<std::string_view> repeated;
  for (const auto& [name, count] : counts) {
    if (count > 1) repeated.insert(name);
    EXPECT_LE(count, 2) << name;
  }
  EXPECT_EQ(repeated, (std::set<std::string_view>{"Bronze", "Lemon Lime", "Royal Blue", "Royal Red",
                                                  "Violet-Red"}));
  EXPECT_EQ(NamesOf(HTMLColorTable()).size(), HTMLColorTable().size());
}

class EachTable : public testing::TestWithParam<bool> {
 protected:
  std::span<const NamedColor> Table() const {
    return GetParam() ? HTMLColorTable() : ColorNameTable();
  }
};

TEST_P(EachTable, ValuesAreDistinctRGBColors) {
  std::set<TColor> seen;
  for (const NamedColor& c : Table()) {
    EXPECT_EQ(c.value & ~0xFFFFFF, 0) << c.name;
    EXPECT_TRUE(seen.insert(c.value).second) << c.name << " repeats a color";
  }
}

TEST_P(EachTable, HoldsTheEightCubeCorners) {
  std::set<TColor> values;
  for (const NamedColor& c : Table()) values.insert(c.value);
  for (std::uint32_t corner :
       {0x000000u, 0xFFFFFFu, 0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFF00u, 0x00FFFFu, 0xFF00FFu}) {
    EXPECT_TRUE(values.contains(RGBHex(corner))) << std::hex << corner;
  }
}

// Whether every color of the box lo..hi (inclusive, per channel) lies closer
// than 255 to some entry. A box passes whole when the farthest corner from
// one entry is closer than 255; otherwise it is halved until single colors
// decide, so the answer is exact for all 2^24 colors.
bool BoxCovered(std::span<const NamedColor> items, std::array<int, 3> lo, std::array<int, 3> hi) {
  for (const NamedColor& c : items) {
    const std::array<int, 3> v = {RedOf(c.value), GreenOf(c.value), BlueOf(c.value)};
    int farthest = 0;
    for (int k = 0; k < 3; ++k) {
      const int d = std::max(v[k] - lo[k], hi[k] - v[k]);
      farthest += d * d;
    }
    if (farthest < 255 * 255) return true;
  }
  int axis = 0;
  for (int k = 1; k < 3; ++k) {
    if (hi[k] - lo[k] > hi[axis] - lo[axis]) axis = k;
  }
  if (hi[axis] == lo[axis]) return false;
  const int middle = (lo[axis] + hi[axis]) / 2;
  std::array<int, 3> upperLo = lo, lowerHi = hi;
  lowerHi[axis] = middle;
  upperLo[axis] = middle + 1;
  return BoxCovered(items, lo, lowerHi) && BoxCovered(items, upperLo, hi);
}

bool EveryColorWithin255(std::span<const NamedColor> items) {
  return BoxCovered(items, {0, 0, 0}, {255, 255, 255});
}

TEST_P(EachTable, EveryColorLiesCloserThan255ToAnEntry) {
  EXPECT_TRUE(EveryColorWithin255(Table()));
}

TEST(EveryColorWithin255, FailsWhereAColorIsTooFar) {
  const NamedColor whiteOnly[] = {{"White", RGBHex(0xFFFFFF)}};
  EXPECT_FALSE(EveryColorWithin255(whiteOnly));
  // Exactly 255 away is not closer: pure red leaves black uncovered.
  const NamedColor redAndWhite[] = {{"Red", RGBHex(0xFF0000)}, {"White", RGBHex(0xFFFFFF)}};
  EXPECT_FALSE(EveryColorWithin255(redAndWhite));
  const NamedColor corners[] = {{"", RGBHex(0x000000)}, {"", RGBHex(0xFFFFFF)},
                                {"", RGBHex(0xFF0000)}, {"", RGBHex(0x00FF00)},
                                {"", RGBHex(0x0000FF)}, {"", RGBHex(0xFFFF00)},
                                {"", RGBHex(0x00FFFF)}, {"", RGBHex(0xFF00FF)}};
  EXPECT_TRUE(EveryColorWithin255(corners));
}

INSTANTIATE_TEST_SUITE_P(Tables, EachTable, testing::Bool(),
                         [](const auto& info) { return info.param ? "HTML" : "Extended"; });

// ---------------------------------------------------------------------------
// How the two tables agree

std::string Folded(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c != ' ' && c != '-') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

TEST(ColorTables, SharedNamesShareColorsButNineKnownOnes) {
  std::map<std::string, TColor> html;
  for (const NamedColor& c : HTMLColorTable()) html[Folded(c.name)] = c.value;
  const std::set<int> differing = {65, 160, 343, 483, 521, 818, 912, 1019, 1115};
  std::set<int> seenDiffering;
  const auto table = ColorNameTable();
  for (int i = 0; i < ColorNameCount; ++i) {
    const auto match = html.find(Folded(table[i].name));
    if (match == html.end()) continue;
    if (match->second != table[i].value) {
      seenDiffering.insert(i);
    }
  }
  EXPECT_EQ(seenDiffering, differing);
}

TEST(ColorTables, EveryHTMLColorButAntiqueWhiteIsAnExtendedColor) {
  std::set<TColor> extended;
  for (const NamedColor& c : ColorNameTable()) extended.insert(c.value);
  for (const NamedColor& c : HTMLColorTable()) {
    EXPECT_EQ(extended.contains(c.value), c.name != "AntiqueWhite") << c.name;
  }
}

// ---------------------------------------------------------------------------
// The working array

TEST(TableEntries, CopiesTheChosenTableInStoredOrder) {
  for (const bool html : {false, true}) {
    const NamedColors colors = TableEntries(html);
    const auto table = html ? HTMLColorTable() : ColorNameTable();
    ASSERT_EQ(colors.size(), table.size());
    EXPECT_TRUE(std::equal(colors.begin(), colors.end(), table.begin(),
                           [](const NamedColor& a, const NamedColor& b) {
                             return a.name == b.name && a.value == b.value;
                           }));
  }
}

}  // namespace
}  // namespace tw
