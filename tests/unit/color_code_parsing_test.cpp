#include "core/color/color_code_parsing.h"

#include <climits>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/color/color_codes.h"

namespace tw {
namespace {

constexpr TColor kColorA = MakeColor(18, 52, 86);
constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlack = 0;
constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr std::optional<TColor> kFails = std::nullopt;

struct ParseCase {
  std::string_view text;
  std::optional<TColor> expected;
};

void ExpectReadings(int notation, std::span<const ParseCase> cases) {
  for (const ParseCase& c : cases) {
    EXPECT_EQ(ParseColorCode(notation, c.text), c.expected)
        << kNotationNames[notation] << " text \"" << c.text << "\"";
  }
}

// Text that no notation can read.
TEST(ParseColorCode, UnreadableTextFailsInEveryNotation) {
  constexpr std::string_view kUnreadable[] = {
      "", " ", "\t\r\n", "\u00E9", "zzzzzzzz", "\u00E9\u00E9\u00E9\u00E9\u00E9\u00E9"};
  for (int notation = 0; notation < kNotationCount; ++notation) {
    for (const std::string_view text : kUnreadable) {
      EXPECT_EQ(ParseColorCode(notation, text), kFails)
          << kNotationNames[notation] << " text \"" << text << "\"";
    }
  }
}

TEST(ParseColorCode, NoNotationSelectedIsAnError) {
  for (const int notation : {-1, kNotationCount, INT_MIN, INT_MAX}) {
    EXPECT_EQ(ParseColorCode(notation, "#123456"), kFails) << notation;
    EXPECT_EQ(ParseColorCode(notation, "255,255,255"), kFails) << notation;
  }
}

// The pair rules themselves are covered with HtmlHexToColor; these are the
// notation's own cases.
const ParseCase kHtmlHexCases[] = {
    {"123456", kColorA},
    {"#123456", kColorA},
    {"abc#123456", kColorA},
    {"#abcdef", MakeColor(0xAB, 0xCD, 0xEF)},
    {"12345", MakeColor(0x12, 0x34, 0x05)},
    {"#12345", kFails},    // pairs "#1", "23", "45"
    {"#123456 ", kFails},  // no trimming
    {"#12345G", kFails},
};

TEST(ParseColorCode, HtmlHex) { ExpectReadings(kHtmlHex, kHtmlHexCases); }

// Delphi, VB and C++ Hex read alike: the prefix is ignored.
const ParseCase kBgrHexCases[] = {
    {"$00563412", kColorA},
    {"&H563412", kColorA},
    {"&h563412", kColorA},
    {"0x00563412", kColorA},
    {"0X00563412", kColorA},
    {"563412", kColorA},
    {"$00efcdab", MakeColor(0xAB, 0xCD, 0xEF)},
    {"#123456", MakeColor(0x56, 0x34, 0x12)},  // an HTML code reads byte-reversed
    {"56341", MakeColor(0x01, 0x34, 0x56)},    // five characters: red is one digit
    {"$00563412 ", kFails},
    {"$0056341G", kFails},
    {"$005634-2", kFails},
    {"$00563 12", kFails},
    {"3412", kFails},
    {"$00\u00E93412", kFails},
};

TEST(ParseColorCode, DelphiVbAndCppHex) {
  for (const Notation notation : {kDelphiHex, kVbHex, kCppHex}) {
    ExpectReadings(notation, kBgrHexCases);
  }
}

// The field rules shared by every comma-separated notation are checked here;
// the other notations then test their own arithmetic.
const ParseCase kRgbCases[] = {
    {"18,52,86", kColorA},
    {" 18 , 52 , 86 ", kColorA},
    {"\t18,\r52,\n86\r\n", kColorA},  // control characters are trimmed like blanks
    {"+18,52,+86", kColorA},
    {"$12,x34,0X56", kColorA},  // hexadecimal fields
    {"018,052,086", kColorA},   // leading zeros stay decimal
    {"300,0,0", MakeColor(44, 0, 0)},
    {"256,257,-256", MakeColor(0, 1, 0)},
    {"-1,0,0", MakeColor(255, 0, 0)},
    {"$FF,0,0", MakeColor(255, 0, 0)},
    {"$FFFFFFFF,0,0", MakeColor(255, 0, 0)},  // eight hex digits are 32 bits: -1
    {"2147483647,0,0", MakeColor(255, 0, 0)},
    {"-2147483648,0,0", kBlack},
    {"18,52", kFails},
    {"18,52,86,0", kFails},
    {"18,52,86,", kFails},
    {",52,86", kFails},
    {"18,,86", kFails},
    {"18;52;86", kFails},
    {"18 52 86", kFails},
    {"18,5 2,86", kFails},
    {"18,52,86x", kFails},
    {"18,52,86%", kFails},
    {"18.0,52,86", kFails},
    {"- 18,52,86", kFails},
    {"--18,52,86", kFails},
    {"+-18,52,86", kFails},
    {"18,-,86", kFails},
    {"$,52,86", kFails},
    {"0x,52,86", kFails},
    {"$G1,52,86", kFails},
    {"$100000000,0,0", kFails},  // a ninth hex digit
    {"2147483648,0,0", kFails},  // beyond 32 bits
    {"-2147483649,0,0", kFails},
    {"4294967296,0,0", kFails},
    {"99999999999999999999,0,0", kFails},
    {"\uFF11\uFF18,52,86", kFails},  // fullwidth digits
    {"18,52,86\u00E9", kFails},
    {"18\u00A0,52,86", kFails},  // a no-break space is no blank
};

TEST(ParseColorCode, RgbValues) { ExpectReadings(kRgbValues, kRgbCases); }

const ParseCase kRgbPercentCases[] = {
    // 17.85 rounds to 18, 20 gives exactly 51, 86.7 rounds to 87.
    {"7,20,34", MakeColor(18, 51, 87)},
    {" 7 , 20 , 34 ", MakeColor(18, 51, 87)},
    {"100,100,100", kWhite},
    {"0,0,0", kBlack},
    {"50,50,50", MakeColor(128, 128, 128)},  // 127.5 goes to the even 128
    {"101,0,0", MakeColor(2, 0, 0)},         // 257.55 -> 258 wraps
    {"-1,0,0", MakeColor(253, 0, 0)},        // -2.55 -> -3 wraps
    // The product with 255 is formed in 64 bits, not wrapped at 32.
    {"2147483647,0,0", MakeColor(100, 0, 0)},
    {"-2147483648,0,0", MakeColor(154, 0, 0)},
    {"7%,20%,34%", kFails},
    {"7.5,20,34", kFails},
    {"7,20", kFails},
    {"7,20,34,0", kFails},
};

TEST(ParseColorCode, RgbPercentValues) { ExpectReadings(kRgbPercentValues, kRgbPercentCases); }

const ParseCase kHslCases[] = {
    {"210, 65%, 20%", MakeColor(18, 51, 84)},
    {"210,65,20", MakeColor(18, 51, 84)},
    {"210%, 65, 20%%", MakeColor(18, 51, 84)},  // every "%" goes before the fields are read
    {"225, 73%, 57%", MakeColor(65, 105, 225)},
    {"0, 0%, 50%", MakeColor(128, 128, 128)},
    {"360, 100%, 50%", kRed},
    {"0, 0%, 100%", kWhite},
    {"210, 65.5%, 20%", kFails},
    {"210, 65%", kFails},
    {"210 65 20", kFails},
    {"210, 65%, 20%, 0", kFails},
};

TEST(ParseColorCode, Hsl) { ExpectReadings(kHsl, kHslCases); }

const ParseCase kHsvCases[] = {
    {"210,202,86", kColorA},
    {"225,181,225", MakeColor(65, 105, 225)},
    {"360,255,255", kRed},
    {"0,255,255", kRed},
    {"0,0,128", MakeColor(128, 128, 128)},
    {"1000,0,77", MakeColor(77, 77, 77)},   // without saturation the hue is never used
    {"0,255,2147483647", kRed},             // wraps per channel, no overflow
    {"-30,0,77", MakeColor(77, 77, 77)},    // a grey, whatever the hue
    // A hue no sector holds gives no color: refused rather than guessed.
    {"-30,255,255", kFails},
    {"-1,255,255", kFails},
    {"-59,255,255", kFails},
    {"361,255,255", kFails},
    {"-60,255,255", kFails},
    {"2147483647,1,1", kFails},
    {"-2147483648,255,255", kFails},
    {"210,202", kFails},
    {"210,202,86,0", kFails},
    {"210,202%,86", kFails},
};

TEST(ParseColorCode, Hsv) { ExpectReadings(kHsv, kHsvCases); }

const ParseCase kCmyCases[] = {
    {"237,203,169", kColorA},
    {"0,0,0", kWhite},
    {"255,255,255", kBlack},
    {"256,0,0", kWhite},            // -1 wraps to 255
    {"-2147483648,255,255", kRed},  // 255 + 2^31 in 64 bits
    {"2147483647,255,255", MakeColor(0, 0, 0)},
    {"237,203", kFails},
    {"237,203,169,0", kFails},
};

TEST(ParseColorCode, Cmy) { ExpectReadings(kCmy, kCmyCases); }

const ParseCase kCmykCases[] = {
    {"0,0,0,100", kBlack},
    {"0,0,0,0", kWhite},
    {"79,40,0,66", MakeColor(18, 52, 87)},   // percentages lose a little
    {"0,0,0,50", MakeColor(127, 127, 127)},  // 50 * 2.55 is 127.4999... in doubles
    {" 0 , 100 , 100 , 0 ", kRed},
    // 100 - K is formed in 64 bits.
    {"0,0,0,-2147483648", MakeColor(101, 101, 101)},
    {"2147483647,0,0,0", MakeColor(155, 255, 255)},
    {"0,0,0", kFails},
    {"0,0,0,0,0", kFails},
    {"0,0,0,100%", kFails},
};

TEST(ParseColorCode, Cmyk) { ExpectReadings(kCmyk, kCmykCases); }

const ParseCase kPhotoshopCases[] = {
    {"123456", kColorA},
    {"12345678", kColorA},  // after the sixth character nothing is read
    {"123456\u00E9", kColorA},
    {" 123456 ", kColorA},
    {"\t123456\r\n", kColorA},
    {"abcdef", MakeColor(0xAB, 0xCD, 0xEF)},
    {"12345", MakeColor(0x12, 0x34, 0x05)},
    {"#123456", kFails},
    {"+12345", kFails},
    {"12 456", kFails},
    {"1234", kFails},
    {"\u00E923456", kFails},
};

TEST(ParseColorCode, Photoshop) { ExpectReadings(kPhotoshop, kPhotoshopCases); }

const ParseCase kPowerbuilderCases[] = {
    {"5649426", kColorA},
    {" 5649426\r\n", kColorA},
    {"$563412", kColorA},
    {"0x563412", kColorA},
    {"16777215", kWhite},
    {"0", kBlack},
    // Negative numbers split by truncating division and wrap per channel.
    {"-1", kRed},
    {"-256", MakeColor(0, 255, 0)},
    {"-65536", MakeColor(0, 0, 255)},
    {"-2147483648", kBlack},
    // Above 24 bits the number is no color of this form.
    {"16777216", kFails},
    {"2147483647", kFails},
    {"$FFFFFF0", kFails},
    {"2147483648", kFails},
    {"5649426x", kFails},
    {"56 49426", kFails},
    {"5649426.0", kFails},
    {"5,649,426", kFails},
};

TEST(ParseColorCode, Powerbuilder) { ExpectReadings(kPowerbuilder, kPowerbuilderCases); }

// Colors that touch every byte edge, plus a fixed pseudo-random spread.
std::vector<TColor> SpreadOfColors() {
  constexpr int kEdges[] = {0, 1, 2, 15, 16, 17, 127, 128, 129, 170, 254, 255};
  std::vector<TColor> colors;
  for (const int red : kEdges) {
    for (const int green : kEdges) {
      for (const int blue : kEdges) colors.push_back(MakeColor(red, green, blue));
    }
  }
  std::uint32_t state = 12345;
  for (int i = 0; i < 4096; ++i) {
    state = state * 1664525u + 1013904223u;
    colors.push_back(static_cast<TColor>(state >> 8));
  }
  return colors;
}

TEST(ParseColorCode, ReadsBackEveryLosslessCode) {
  // The notations whose text keeps all 24 bits; the percentage, HSL, HSV and
  // CMYK codes round.
  constexpr Notation kLossless[] = {kHtmlHex,   kDelphiHex, kVbHex,     kCppHex,
                                    kRgbValues, kCmy,       kPhotoshop, kPowerbuilder};
  const std::vector<TColor> colors = SpreadOfColors();
  for (const Notation notation : kLossless) {
    for (const bool upperCase : {true, false}) {
      for (const TColor color : colors) {
        const std::string code = FormatColorCode(notation, color, upperCase);
        ASSERT_EQ(ParseColorCode(notation, code), color)
            << kNotationNames[notation] << " code \"" << code << "\"";
      }
    }
  }
}

}  // namespace
}  // namespace tw
