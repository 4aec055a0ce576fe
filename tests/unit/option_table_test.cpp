#include "core/settings/option_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fixture_files.h"

namespace tw {
namespace {

const Windows1252Codec kCodec;
constexpr std::string_view kSection = "Tintwright";

std::vector<std::string> KeysOf(OptionGroup group) {
  std::vector<std::string> keys;
  for (const OptionRow& row : OptionRows()) {
    if (row.group == group) keys.emplace_back(row.key);
  }
  return keys;
}

// The keys other programs find in the settings file, in file order.
TEST(OptionTable, KeysFollowTheSettingsFileOrder) {
  const std::vector<std::string> expected = {"mempan1_Color",
                                             "mempan2_Color",
                                             "mempan3_Color",
                                             "mempan4_Color",
                                             "mempan5_Color",
                                             "mempan6_Color",
                                             "Cross1_Checked",
                                             "Rectangle1_Checked",
                                             "None1_Checked",
                                             "cbxDisplay_ItemIndex",
                                             "cbxZoom_ItemIndex",
                                             "Off1_Checked",
                                             "N3x3Average1_Checked",
                                             "N5x5Average1_Checked",
                                             "UseText_Checked",
                                             "AlwaysonTop1_Checked",
                                             "StayinSystemTray1_Checked",
                                             "Showonlyhtmlcolors_Checked",
                                             "FindClosestColor1_Tag",
                                             "mempan7_Color",
                                             "mempan8_Color",
                                             "mempan9_Color",
                                             "mempan10_Color",
                                             "mempan11_Color",
                                             "mempan12_Color"};
  EXPECT_EQ(KeysOf(OptionGroup::kForm), expected);
  EXPECT_EQ(KeysOf(OptionGroup::kWindow),
            (std::vector<std::string>{"palettename", "showtitle", "uppercase", "layout"}));
  ASSERT_EQ(OptionRows().size(), expected.size() + 4);
  EXPECT_EQ(OptionRows()[expected.size()].key, "palettename") << "the window's keys come last";
}

TEST(OptionTable, IndexesAndTheSortOrderHaveTheirRanges) {
  for (const OptionRow& row : OptionRows()) {
    if (row.key == "cbxDisplay_ItemIndex") EXPECT_EQ(row.count - 1, 11);
    if (row.key == "cbxZoom_ItemIndex") EXPECT_EQ(row.count - 1, 19);
    if (row.key == "FindClosestColor1_Tag") EXPECT_EQ(row.count - 1, 7);
  }
}

Options ReadBoth(const IniFile& ini) {
  Options options;
  ReadOptions(ini, kSection, OptionGroup::kForm, options);
  ReadOptions(ini, kSection, OptionGroup::kWindow, options);
  return options;
}

// The fixture was written by an earlier version with every option changed.
TEST(OptionTable, AFileWithEveryOptionChangedIsReadAndWrittenBackUnchanged) {
  const std::string bytes = test::FixtureBytes("ini", "every_option_changed.ini");
  IniFile ini = IniFile::Parse(bytes, kCodec);
  const Options options = ReadBoth(ini);
  const Options defaults;
  EXPECT_EQ(options.slotColors[0], RGBHex(0x302010));
  EXPECT_EQ(options.slotColors[7], 0x1FFFFFFF) << "clNone";
  EXPECT_EQ(options.crosshair, kRectangleCrosshair);
  EXPECT_EQ(options.notation, kCmyk);
  EXPECT_EQ(options.zoomIndex, 6);
  EXPECT_EQ(options.averaging, 2);
  EXPECT_EQ(options.sortOrder, SortBySaturation);
  EXPECT_EQ(options.paletteName, "Fixture Colors.plt");
  EXPECT_EQ(options.layout, kMediumLayout);
  for (const auto& [name, flag] : {std::pair{"textInFrame", &Options::textInFrame},
                                   {"alwaysOnTop", &Options::alwaysOnTop},
                                   {"stayInTray", &Options::stayInTray},
                                   {"htmlOnly", &Options::htmlOnly},
                                   {"titleShown", &Options::titleShown},
                                   {"upperCase", &Options::upperCase}}) {
    EXPECT_NE(options.*flag, defaults.*flag) << name;
  }
  WriteOptions(options, OptionGroup::kForm, kSection, ini);
  WriteOptions(options, OptionGroup::kWindow, kSection, ini);
  EXPECT_EQ(ini.Serialize(kCodec), bytes);
}

TEST(OptionTable, ANewFileHoldsTheKeysInTableOrder) {
  IniFile ini = IniFile::Parse("", kCodec);
  WriteOptions(Options{}, OptionGroup::kForm, kSection, ini);
  WriteOptions(Options{}, OptionGroup::kWindow, kSection, ini);
  const std::string text = ini.Serialize(kCodec).value();
  size_t previous = 0;
  for (const OptionRow& row : OptionRows()) {
    const size_t at = text.find("\r\n" + std::string(row.key) + "=");
    ASSERT_NE(at, std::string::npos) << row.key;
    EXPECT_GT(at, previous) << row.key;
    previous = at;
  }
  EXPECT_NE(text.find("Cross1_Checked=TRUE\r\nRectangle1_Checked=FALSE\r\nNone1_Checked=FALSE\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("cbxZoom_ItemIndex=4\r\n"), std::string::npos);
}

struct ReadCase {
  const char* name;
  const char* stored;  // the lines of the [Tintwright] section
  std::function<bool(const Options&)> holds;
};

TEST(OptionTable, ValuesThatCannotBeUsedKeepTheDefault) {
  const Options defaults;
  const ReadCase cases[] = {
      {"a color that is no color", "mempan2_Color=junk\r\nmempan3_Color=clRed\r\n",
       [&](const Options& o) {
         return o.slotColors[1] == defaults.slotColors[1] && o.slotColors[2] == 255;
       }},
      {"indexes out of range",
       "cbxZoom_ItemIndex=20\r\ncbxDisplay_ItemIndex=-1\r\nFindClosestColor1_Tag=8\r\n",
       [&](const Options& o) {
         return o.zoomIndex == defaults.zoomIndex && o.notation == defaults.notation &&
                o.sortOrder == defaults.sortOrder;
       }},
      {"the largest indexes", "cbxZoom_ItemIndex=19\r\ncbxDisplay_ItemIndex=11\r\n",
       [](const Options& o) { return o.zoomIndex == 19 && o.notation == 11; }},
      {"an index that is no number", "cbxZoom_ItemIndex=x\r\n",
       [&](const Options& o) { return o.zoomIndex == defaults.zoomIndex; }},
      {"a flag that is no flag", "StayinSystemTray1_Checked=maybe\r\n",
       [](const Options& o) { return o.stayInTray; }},
  };
  for (const ReadCase& c : cases) {
    Options options;
    const IniFile ini = IniFile::Parse("[Tintwright]\r\n" + std::string(c.stored), kCodec);
    EXPECT_TRUE(ReadOptions(ini, kSection, OptionGroup::kForm, options).empty()) << c.name;
    EXPECT_TRUE(c.holds(options)) << c.name;
  }
}

TEST(OptionTable, MarksOfAChoiceResolveAsTheMenusDid) {
  const ReadCase cases[] = {
      {"one mark", "Cross1_Checked=FALSE\r\nNone1_Checked=TRUE\r\n",
       [](const Options& o) { return o.crosshair == kNoCrosshair; }},
      {"the cross wins", "Rectangle1_Checked=TRUE\r\n",
       [](const Options& o) { return o.crosshair == kCrossCrosshair; }},
      {"no mark: none",
       "Cross1_Checked=FALSE\r\nRectangle1_Checked=FALSE\r\nNone1_Checked=FALSE\r\n",
       [](const Options& o) { return o.crosshair == kNoCrosshair; }},
      {"an unreadable mark keeps its own", "Cross1_Checked=what\r\nRectangle1_Checked=TRUE\r\n",
       [](const Options& o) { return o.crosshair == kCrossCrosshair; }},
      {"the larger block wins", "N3x3Average1_Checked=TRUE\r\n",
       [](const Options& o) { return o.averaging == 1; }},
      {"five over three", "N5x5Average1_Checked=TRUE\r\nN3x3Average1_Checked=TRUE\r\n",
       [](const Options& o) { return o.averaging == 2; }},
      {"no block marked: off", "Off1_Checked=FALSE\r\n",
       [](const Options& o) { return o.averaging == 0; }},
  };
  for (const ReadCase& c : cases) {
    Options options;
    const IniFile ini = IniFile::Parse("[Tintwright]\r\n" + std::string(c.stored), kCodec);
    ReadOptions(ini, kSection, OptionGroup::kForm, options);
    EXPECT_TRUE(c.holds(options)) << c.name;
  }
}

TEST(OptionTable, TheWindowsUnreadableValuesAreReportedAndKeepTheDefault) {
  const IniFile ini = IniFile::Parse(
      "[Tintwright]\r\nuppercase=maybe\r\nlayout=abc\r\npalettename=mine.plt\r\nshowtitle=0\r\n",
      kCodec);
  Options options;
  const std::vector<std::string> errors = ReadOptions(ini, kSection, OptionGroup::kWindow, options);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_NE(errors[0].find("'maybe'"), std::string::npos);
  EXPECT_NE(errors[1].find("'abc' is not a valid integer value"), std::string::npos);
  EXPECT_TRUE(options.upperCase);
  EXPECT_EQ(options.layout, kLargeLayout);
  EXPECT_EQ(options.paletteName, "mine.plt");
  EXPECT_FALSE(options.titleShown);
}

TEST(OptionTable, AnyLayoutNumberIsKept) {
  Options options;
  ReadOptions(IniFile::Parse("[Tintwright]\r\nlayout=5\r\n", kCodec), kSection,
              OptionGroup::kWindow, options);
  EXPECT_EQ(options.layout, 5);
}

}  // namespace
}  // namespace tw
