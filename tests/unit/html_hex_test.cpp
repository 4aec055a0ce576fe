#include "core/color/html_hex.h"

#include <optional>
#include <string_view>

#include <gtest/gtest.h>

namespace tw {
namespace {

using namespace std::string_view_literals;

struct HtmlCase {
  std::string_view text;
  std::optional<TColor> expected;
};

const HtmlCase kHtmlCases[] = {
    {"123456", MakeColor(0x12, 0x34, 0x56)},
    {"#123456", MakeColor(0x12, 0x34, 0x56)},
    {"abc#123456", MakeColor(0x12, 0x34, 0x56)},  // everything before the last six is ignored
    {"garbage and more 123456", MakeColor(0x12, 0x34, 0x56)},
    {" 123456", MakeColor(0x12, 0x34, 0x56)},
    {"ff8000", MakeColor(255, 128, 0)},  // the command-line example
    {"FF8000", MakeColor(255, 128, 0)},
    {"#FF0000", MakeColor(255, 0, 0)},
    {"#00ff00", MakeColor(0, 255, 0)},
    {"#FFFFFF", 0x00FFFFFF},
    {"000000", 0},
    {"aBcDeF", MakeColor(0xAB, 0xCD, 0xEF)},
    {"12345", MakeColor(0x12, 0x34, 0x05)},  // five characters: the last pair is one digit
    {"abcde", MakeColor(0xAB, 0xCD, 0x0E)},
    {"#12345", std::nullopt},   // pairs "#1", "23", "45"
    {"123456 ", std::nullopt},  // no trimming
    {"\t123456", MakeColor(0x12, 0x34, 0x56)},
    {"12345\n", std::nullopt},
    {"1234", std::nullopt},  // four characters or fewer: an empty pair
    {"#12", std::nullopt},
    {"123", std::nullopt},
    {"12", std::nullopt},
    {"1", std::nullopt},
    {"", std::nullopt},
    {"12345g", std::nullopt},
    {"12 456", std::nullopt},
    {"+1+2+3", std::nullopt},  // no sign behind the "$"
    {"-1-2-3", std::nullopt},
    {"x1x2x3", std::nullopt},  // no second prefix behind the "$"
    {"0x1234", std::nullopt},
    {"$12345", std::nullopt},
    {"1234\0"
     "6"sv,
     std::nullopt},
    // UTF-8: characters, not bytes, are counted, and none of a multi-byte
    // character's bytes is a hex digit.
    {"\u00E9123456", MakeColor(0x12, 0x34, 0x56)},  // before the last six: ignored
    {"\U0001F3A8#123456", MakeColor(0x12, 0x34, 0x56)},
    {"\u00E912345", std::nullopt},  // six characters: pair "é1"
    {"12345\u00E9", std::nullopt},
    {"1234\u00E9", std::nullopt},
    {"\u00E9\u00E9\u00E9", std::nullopt},
    {"\uFF11\uFF12\uFF13\uFF14\uFF15\uFF16", std::nullopt},  // fullwidth digits
    {"\x80"
     "12345",
     std::nullopt},  // a stray continuation byte is a character
    {"\xC3"
     "123456",
     MakeColor(0x12, 0x34, 0x56)},  // a lone lead byte too
};

TEST(HtmlHexToColor, Table) {
  for (const HtmlCase& c : kHtmlCases) {
    EXPECT_EQ(HtmlHexToColor(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

struct PairCase {
  std::string_view pair;
  std::optional<int> expected;
};

const PairCase kPairCases[] = {
    {"FF", 255},
    {"ff", 255},
    {"0a", 10},
    {"7", 7},
    {"00", 0},
    {"", std::nullopt},
    {"G1", std::nullopt},
    {" 1", std::nullopt},
    {"1 ", std::nullopt},
    {"-1", std::nullopt},
    {"+1", std::nullopt},
    {"x1", std::nullopt},
    {"$1", std::nullopt},
    {"123", std::nullopt},
    {"\u00E9", std::nullopt},
};

TEST(ReadHexPair, Table) {
  for (const PairCase& c : kPairCases) {
    EXPECT_EQ(ReadHexPair(c.pair), c.expected) << "pair \"" << c.pair << "\"";
  }
}

TEST(LastCharacters, CountsCodePoints) {
  EXPECT_EQ(LastCharacters("abcdefgh", 6), "cdefgh");
  EXPECT_EQ(LastCharacters("abc", 6), "abc");
  EXPECT_EQ(LastCharacters("", 6), "");
  EXPECT_EQ(LastCharacters("abc", 0), "");
  EXPECT_EQ(LastCharacters("x\u00E9\u20AC\U0001F3A8", 3), "\u00E9\u20AC\U0001F3A8");
  EXPECT_EQ(LastCharacters("\u00E9\u00E9", 1), "\u00E9");
  EXPECT_EQ(LastCharacters("\x80\x80"
                           "ab",
                           3),
            "\x80\x80"
            "ab");
}

TEST(CharacterSlice, CountsCodePoints) {
  EXPECT_EQ(CharacterSlice("123456", 0, 2), "12");
  EXPECT_EQ(CharacterSlice("123456", 4, 2), "56");
  EXPECT_EQ(CharacterSlice("12345", 4, 2), "5");
  EXPECT_EQ(CharacterSlice("1234", 4, 2), "");
  EXPECT_EQ(CharacterSlice("", 0, 2), "");
  EXPECT_EQ(CharacterSlice("\u00E91\u20AC2", 1, 2), "1\u20AC");
  EXPECT_EQ(CharacterSlice("\u00E91\u20AC2", 0, 1), "\u00E9");
  EXPECT_EQ(CharacterSlice("ab", 7, 2), "");
}

}  // namespace
}  // namespace tw
