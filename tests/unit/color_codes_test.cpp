#include "core/color/color_codes.h"

#include <array>
#include <climits>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr TColor kColorA = MakeColor(18, 52, 86);
constexpr TColor kColorB = MakeColor(171, 205, 239);
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlack = 0;
constexpr TColor kGray128 = MakeColor(128, 128, 128);
constexpr TColor kRedWithBlueOne = MakeColor(255, 0, 1);

struct ReferenceColor {
  TColor color;
  std::array<std::string_view, kNotationCount> upperCaseCodes;  // by notation index
};

const ReferenceColor kReferenceColors[] = {
    {kColorA,
     {"#123456", "$00563412", "&H563412", "0x00563412", "18,52,86", "7,20,34", "210, 65%, 20%",
      "210,202,86", "237,203,169", "79,40,0,66", "123456", "5649426"}},
    {kColorB,
     {"#ABCDEF", "$00EFCDAB", "&HEFCDAB", "0x00EFCDAB", "171,205,239", "67,80,94", "210, 68%, 80%",
      "210,73,239", "84,50,16", "28,14,0,6", "ABCDEF", "15715755"}},
    {kWhite,
     {"#FFFFFF", "$00FFFFFF", "&HFFFFFF", "0x00FFFFFF", "255,255,255", "100,100,100", "0, 0%, 100%",
      "0,0,255", "0,0,0", "0,0,0,0", "FFFFFF", "16777215"}},
    {kBlack,
     {"#000000", "$00000000", "&H000000", "0x00000000", "0,0,0", "0,0,0", "0, 0%, 0%", "0,0,0",
      "255,255,255", "0,0,0,100", "000000", "0"}},
    {kGray128,
     {"#808080", "$00808080", "&H808080", "0x00808080", "128,128,128", "50,50,50", "0, 0%, 50%",
      "0,0,128", "127,127,127", "0,0,0,50", "808080", "8421504"}},
    // The hue 359.76 rounds up to 360 in both hue notations and does not wrap to 0.
    {kRedWithBlueOne,
     {"#FF0001", "$000100FF", "&H0100FF", "0x000100FF", "255,0,1", "100,0,0", "360, 100%, 50%",
      "360,255,255", "0,255,254", "0,100,100,0", "FF0001", "65791"}},
};

TEST(FormatColorCode, ReferenceColorsInUpperCase) {
  for (const ReferenceColor& reference : kReferenceColors) {
    for (int notation = 0; notation < kNotationCount; ++notation) {
      EXPECT_EQ(FormatColorCode(notation, reference.color, true),
                reference.upperCaseCodes[notation])
          << kNotationNames[notation] << " of color " << std::hex << reference.color;
    }
  }
}

struct CodeCase {
  int notation;
  TColor color;
  std::string_view code;
};

// Lower case reaches the hex digits and the VB prefix; the other notations
// hold no letters.
const CodeCase kLowerCaseHexCodes[] = {
    {kHtmlHex, kColorB, "#abcdef"},
    {kDelphiHex, kColorB, "$00efcdab"},
    {kVbHex, kColorB, "&hefcdab"},
    {kCppHex, kColorB, "0x00efcdab"},
    {kPhotoshop, kColorB, "abcdef"},
    {kHtmlHex, kRedWithBlueOne, "#ff0001"},
    {kDelphiHex, kRedWithBlueOne, "$000100ff"},
    {kVbHex, kColorA, "&h563412"},
    {kCppHex, kWhite, "0x00ffffff"},
    {kPhotoshop, kWhite, "ffffff"},
};

TEST(FormatColorCode, LowerCaseHexCodes) {
  for (const CodeCase& c : kLowerCaseHexCodes) {
    EXPECT_EQ(FormatColorCode(c.notation, c.color, false), c.code) << kNotationNames[c.notation];
  }
}

TEST(FormatColorCode, DecimalNotationsReadTheSameInLowerCase) {
  constexpr Notation kDecimalNotations[] = {kRgbValues, kRgbPercentValues, kHsl, kHsv, kCmy,
                                            kCmyk,      kPowerbuilder};
  for (const ReferenceColor& reference : kReferenceColors) {
    for (const Notation notation : kDecimalNotations) {
      EXPECT_EQ(FormatColorCode(notation, reference.color, false),
                reference.upperCaseCodes[notation])
          << kNotationNames[notation] << " of color " << std::hex << reference.color;
    }
  }
}

const CodeCase kMoreCodes[] = {
    // CMYK rounds halves to even: magenta is exactly 2.5 here, and 0.5 below.
    {kCmyk, MakeColor(200, 195, 0), "0,2,100,22"},
    {kCmyk, MakeColor(200, 199, 0), "0,0,100,22"},
    // The color frame's starting color, red 65, green 105, blue 225.
    {kHsv, MakeColor(65, 105, 225), "225,181,225"},
    {kHsl, MakeColor(65, 105, 225), "225, 73%, 57%"},
    {kCmy, MakeColor(65, 105, 225), "190,150,30"},
    {kCmyk, MakeColor(65, 105, 225), "71,53,0,12"},
    {kRgbPercentValues, MakeColor(65, 105, 225), "25,41,88"},
    {kPowerbuilder, MakeColor(65, 105, 225), "14772545"},
    // Digits on both sides of 9/A in every position.
    {kHtmlHex, MakeColor(0x9A, 0xA9, 0x0F), "#9AA90F"},
    {kDelphiHex, MakeColor(0x9A, 0xA9, 0x0F), "$000FA99A"},
};

TEST(FormatColorCode, MoreColors) {
  for (const CodeCase& c : kMoreCodes) {
    EXPECT_EQ(FormatColorCode(c.notation, c.color, true), c.code) << kNotationNames[c.notation];
  }
}

TEST(FormatColorCode, OnlyTheLow24BitsCount) {
  // A high byte, including that of a system color, is no part of the code.
  constexpr TColor kWithHighBytes[] = {0x7F563412, static_cast<TColor>(0xFF563412),
                                       static_cast<TColor>(0x80563412)};
  for (const TColor color : kWithHighBytes) {
    for (int notation = 0; notation < kNotationCount; ++notation) {
      EXPECT_EQ(FormatColorCode(notation, color, true),
                kReferenceColors[0].upperCaseCodes[notation])
          << kNotationNames[notation] << " of color " << std::hex << color;
    }
  }
}

TEST(FormatColorCode, NoNotationGivesEmptyText) {
  for (const int notation : {-1, kNotationCount, 100, INT_MIN, INT_MAX}) {
    EXPECT_EQ(FormatColorCode(notation, kColorA, true), "") << notation;
    EXPECT_EQ(FormatColorCode(notation, kColorA, false), "") << notation;
  }
}

TEST(ColorToHtmlHex, IgnoresTheCaseOptionAndTheHighByte) {
  EXPECT_EQ(ColorToHtmlHex(kColorB), "#ABCDEF");
  EXPECT_EQ(ColorToHtmlHex(static_cast<TColor>(0xFF000008)), "#080000");
}

struct CaseConversion {
  std::string_view text;
  bool upperCase;
  std::string_view expected;
};

const CaseConversion kCaseConversions[] = {
    // Switching upper case on while a C++ code is shown capitalises its x.
    {"0x00563412", true, "0X00563412"},
    {"&hefcdab", true, "&HEFCDAB"},
    {"#ABCDEF", false, "#abcdef"},
    {"0X00EFCDAB", false, "0x00efcdab"},
    {"", true, ""},
    // Only A-Z and a-z change: the characters next to them in ASCII stay.
    {"@AZ[`az{", true, "@AZ[`AZ{"},
    {"@AZ[`az{", false, "@az[`az{"},
    // Whatever the user typed is converted, UTF-8 passing through untouched.
    {"Grün \u00C4 \u00E4 text", true, "GRüN \u00C4 \u00E4 TEXT"},
    {"\u00C9T\u00C9 Ab\u00DF", false, "\u00C9t\u00C9 ab\u00DF"},
};

TEST(ConvertAsciiCase, ChangesAsciiLettersOnly) {
  for (const CaseConversion& c : kCaseConversions) {
    EXPECT_EQ(ConvertAsciiCase(std::string(c.text), c.upperCase), c.expected)
        << "text \"" << c.text << "\" upper " << c.upperCase;
  }
}

}  // namespace
}  // namespace tw
