#include "core/color/color_idents.h"

#include <gtest/gtest.h>

#include <set>

namespace tw {
namespace {

constexpr TColor SystemColor(int index) { return -16777216 + index; }

TEST(ColorIdents, HoldFiftyTwoDistinctNamesAndValues) {
  std::set<std::string_view> names;
  std::set<TColor> values;
  for (const ColorIdent& ident : ColorIdents()) {
    names.insert(ident.name);
    values.insert(ident.value);
  }
  EXPECT_EQ(ColorIdents().size(), 52u);
  EXPECT_EQ(names.size(), 52u);
  EXPECT_EQ(values.size(), 52u);
}

TEST(ColorIdents, MapNamesAndValuesBothWays) {
  struct Case {
    const char* name;
    TColor value;
  };
  // Plain colors are written 0x00BBGGRR, as the window system stores them.
  const Case cases[] = {
      {"clBlack", 0x000000},    {"clMaroon", 0x000080},   {"clRed", 255},
      {"clLime", 65280},        {"clBlue", 0xFF0000},     {"clMoneyGreen", 0xC0DCC0},
      {"clSkyBlue", 0xF0CAA6},  {"clCream", 0xF0FBFF},    {"clMedGray", 0xA4A0A0},
      {"clNone", 536870911},    {"clDefault", 536870912}, {"clScrollBar", -16777216},
      {"clBtnFace", -16777201}, {"clInfoBk", -16777192},  {"clHotLight", -16777190},
      {"clMenuBar", -16777186},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ColorToIdent(c.value), c.name);
    EXPECT_EQ(IdentToColor(c.name), c.value);
  }
}

TEST(ColorIdents, NamesMatchInAnyAsciiCaseButOtherwiseExactly) {
  EXPECT_EQ(IdentToColor("CLLIME"), 65280);
  EXPECT_EQ(IdentToColor("clbtnface"), SystemColor(15));
  EXPECT_EQ(IdentToColor("CL3DDKSHADOW"), SystemColor(21));
  for (std::string_view text : {"", "Lime", "clLime ", " clLime", "clLimeGreen", "cl"}) {
    EXPECT_EQ(IdentToColor(text), std::nullopt) << text;
  }
}

TEST(ColorIdents, ColorsWithoutANameHaveNone) {
  for (TColor color : {MakeColor(0x12, 0x34, 0x56), SystemColor(25), SystemColor(31), -1}) {
    EXPECT_EQ(ColorToIdent(color), std::nullopt) << color;
  }
}

}  // namespace
}  // namespace tw
