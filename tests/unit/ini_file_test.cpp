#include "core/settings/ini_file.h"

#include <gtest/gtest.h>

#include "fixture_files.h"

namespace tw {
namespace {

const Windows1252Codec kCodec;

IniFile ParseFixture(const char* name) {
  return IniFile::Parse(test::FixtureBytes("ini", name), kCodec);
}

TEST(IniFileReading, DropsCommentsBlanksAndLinesBeforeTheFirstSectionAndTrimsTheRest) {
  const IniFile ini = ParseFixture("layout_rules.ini");
  EXPECT_EQ(ini.Serialize(kCodec),
            "[Tintwright]\r\n"
            "Showtitle=FALSE\r\n"
            "mempan1_Color=clLime\r\n"
            "Layout=1\r\n"
            "orphan key\r\n"
            "LAYOUT=2\r\n"
            "Empty=\r\n"
            "upperCase=No\r\n"
            "\r\n"
            "[Extra]\r\n"
            "a=b = c\r\n"
            "\r\n");
}

TEST(IniFileReading, ComparesSectionsAndKeysWithoutLetterCase) {
  const IniFile ini = ParseFixture("layout_rules.ini");
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"TINTWRIGHT", "showtitle", "FALSE"},
      {"tintwright", "MEMPAN1_COLOR", "clLime"},
      // A repeated key is kept, and the first one is the one read.
      {"Tintwright", "layout", "1"},
      // Entries under a repeated section header join the first one.
      {"Tintwright", "UPPERCASE", "No"},
      {"extra", "A", "b = c"},
      {"Tintwright", "orphan key", ""},
      {"Tintwright", "Empty", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_TRUE(ini.HasKey(c.section, c.key));
    EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected);
  }
}

TEST(IniFileReading, IgnoresWhatCannotBeAnEntry) {
  const IniFile ini = ParseFixture("layout_rules.ini");
  EXPECT_FALSE(ini.HasKey("Tintwright", "stray"));
  EXPECT_FALSE(ini.HasKey("Tintwright", "; palette slots"));
  EXPECT_FALSE(ini.HasKey("Missing", "layout"));
  EXPECT_EQ(ini.ReadString("Tintwright", "stray", "default"), "default");
}

TEST(IniFileReading, AcceptsLfAndLoneCrLineEnds) {
  const IniFile ini = ParseFixture("unix_and_old_mac_line_ends.ini");
  EXPECT_EQ(ini.ReadInteger("Tintwright", "layout", 2).value(), 0);
  EXPECT_TRUE(ini.ReadBool("Tintwright", "showtitle", false).value());
  EXPECT_FALSE(ini.ReadBool("Tintwright", "uppercase", true).value());
}

TEST(IniFileWriting, AppendsNewKeysInTheOrderFirstWrittenAndKeepsTheirPlaceLater) {
  IniFile ini;
  ini.WriteInteger("Tintwright", "FormVersion", 0);
  ini.WriteColor("Tintwright", "mempan1_Color", 10551540);
  ini.WriteString("Other", "x", "1");
  ini.WriteBool("Tintwright", "Cross1_Checked", true);
  ini.WritePosition("Tintwright", "NormPos", {10, 20, 330, 420});
  // Rewriting with another letter case changes the value, not the key's
  // spelling or place.
  ini.WriteInteger("Tintwright", "formversion", 5);
  EXPECT_EQ(ini.Serialize(kCodec),
            "[Tintwright]\r\n"
            "FormVersion=5\r\n"
            "mempan1_Color=10551540\r\n"
            "Cross1_Checked=TRUE\r\n"
            "NormPos=10,20,330,420\r\n"
            "\r\n"
            "[Other]\r\n"
            "x=1\r\n"
            "\r\n");
}

TEST(IniFileWriting, ChangesOnlyTheFirstOfRepeatedKeysAndGivesAValuelessKeyItsValue) {
  IniFile ini = ParseFixture("layout_rules.ini");
  ini.WriteInteger("Tintwright", "layout", 0);
  ini.WriteString("Tintwright", "Orphan Key", "now set");
  const IniFile reread = IniFile::Parse(ini.Serialize(kCodec).value(), kCodec);
  EXPECT_EQ(reread.ReadString("Tintwright", "layout", ""), "0");
  EXPECT_EQ(reread.ReadString("Tintwright", "orphan key", ""), "now set");
  EXPECT_NE(ini.Serialize(kCodec).value().find("LAYOUT=2\r\n"), std::string::npos);
}

TEST(IniFileWriting, ALineBreakInAValueCannotAddEntriesOrSections) {
  IniFile ini;
  ini.WriteString("Tintwright", "palettename", "a.plt\r\n[Evil]\nlayout=0\rshowtitle=FALSE");
  const IniFile reread = IniFile::Parse(ini.Serialize(kCodec).value(), kCodec);
  EXPECT_EQ(reread.ReadString("Tintwright", "palettename", ""),
            "a.plt  [Evil] layout=0 showtitle=FALSE");
  EXPECT_FALSE(reread.HasKey("Tintwright", "showtitle"));
  EXPECT_FALSE(reread.HasKey("Evil", "layout"));
}

TEST(IniFileTypedReads, GiveTheDefaultWhenAbsentAndTheConversionErrorWhenInvalid) {
  const IniFile ini = IniFile::Parse(
      "[Tintwright]\r\nlayout=large\r\nshowtitle=maybe\r\nmempan1_Color=#00FF00\r\n"
      "uppercase=\r\n",
      kCodec);
  EXPECT_EQ(ini.ReadInteger("Tintwright", "absent", 2).value(), 2);
  EXPECT_TRUE(ini.ReadBool("Tintwright", "absent", true).value());
  EXPECT_EQ(ini.ReadColor("Tintwright", "absent", 212).value(), 212);

  const Converted<std::int32_t> layout = ini.ReadInteger("Tintwright", "layout", 2);
  ASSERT_FALSE(layout.ok());
  EXPECT_EQ(layout.error(), "'large' is not a valid integer value");
  EXPECT_FALSE(ini.ReadBool("Tintwright", "showtitle", true).ok());
  EXPECT_FALSE(ini.ReadColor("Tintwright", "mempan1_Color", 0).ok());
  // Present but empty is false, not the default.
  EXPECT_FALSE(ini.ReadBool("Tintwright", "uppercase", true).value());
}

TEST(IniFileTypedReads, PositionIsAbsentWhenEmptyAndFillsBadItemsFromTheDefaults) {
  const IniFile ini =
      IniFile::Parse("[Tintwright]\r\nNormPos=10,x\r\nMinMaxPos=\r\nFlags=0\r\n", kCodec);
  const PositionItems defaults{1, 2, 3, 4};
  EXPECT_EQ(ini.ReadPosition("Tintwright", "NormPos", defaults), (PositionItems{10, 2, 3, 4}));
  EXPECT_EQ(ini.ReadPosition("Tintwright", "MinMaxPos", defaults), std::nullopt);
  EXPECT_EQ(ini.ReadPosition("Tintwright", "NormPos(1920x1080)", defaults), std::nullopt);
}

}  // namespace
}  // namespace tw
