#include "core/color/integer_text.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include <gtest/gtest.h>

namespace tw {
namespace {

using namespace std::string_view_literals;

constexpr std::int32_t kMax = 2147483647;
constexpr std::int32_t kMin = -2147483647 - 1;

struct IntegerCase {
  std::string_view text;
  std::optional<std::int32_t> expected;
};

const IntegerCase kIntegerCases[] = {
    // Decimal.
    {"0", 0},
    {"123", 123},
    {"007", 7},
    {"+5", 5},
    {"-5", -5},
    {"-0", 0},
    {"+0", 0},
    {"2147483647", kMax},
    {"-2147483648", kMin},
    {"+2147483647", kMax},
    {"00000000000000002147483647", kMax},  // leading zeros do not count
    {"2147483648", std::nullopt},          // beyond 32 bits
    {"-2147483649", std::nullopt},
    {"4294967295", std::nullopt},
    {"4294967296", std::nullopt},
    {"99999999999999999999999999", std::nullopt},
    // Leading blanks.
    {"  42", 42},
    {"   -7", -7},
    {" +$10", 16},
    {"  0x10", 16},
    // Hexadecimal after "$", "x", "X", "0x", "0X", digits in either case.
    {"$FF", 255},
    {"$ff", 255},
    {"$fF", 255},
    {"xFF", 255},
    {"XfF", 255},
    {"0x1A", 26},
    {"0X1a", 26},
    {"0xabcdef", 0xABCDEF},
    {"$0", 0},
    {"$00000000", 0},
    {"$7FFFFFFF", kMax},
    {"$80000000", kMin},  // eight digits wrap into two's complement
    {"$FFFFFFFF", -1},
    {"0xFFFFFFFF", -1},
    {"xFFFFFFFE", -2},
    {"$100000000", std::nullopt},  // nine digits
    {"$000000001", std::nullopt},  // nine digits, even with a leading zero
    {"0x123456789", std::nullopt},
    // A sign goes before the prefix and negates the 32-bit pattern.
    {"-$10", -16},
    {"+$10", 16},
    {"-0x1", -1},
    {"-x1", -1},
    {"-$FFFFFFFF", 1},
    {"-$80000000", kMin},
    {"-$7FFFFFFF", -kMax},
    // Not integers.
    {"", std::nullopt},
    {" ", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {"$", std::nullopt},
    {"x", std::nullopt},
    {"0x", std::nullopt},
    {"-$", std::nullopt},
    {"12a", std::nullopt},  // trailing junk
    {"12 ", std::nullopt},  // trailing blank
    {"1 2", std::nullopt},  // inner blank
    {"- 1", std::nullopt},
    {"$ 12", std::nullopt},
    {"\t12", std::nullopt},  // only the blank " " is skipped
    {"\n12", std::nullopt},
    {"1.5", std::nullopt},
    {"1.0", std::nullopt},
    {"50%", std::nullopt},
    {"1,000", std::nullopt},
    {"1e3", std::nullopt},
    {"--1", std::nullopt},
    {"+-1", std::nullopt},
    {"$-1", std::nullopt},  // the sign comes before the prefix
    {"$+1", std::nullopt},
    {"x-1", std::nullopt},
    {"$$1", std::nullopt},
    {"$0x1", std::nullopt},
    {"0x$1", std::nullopt},
    {"0x0x1", std::nullopt},
    {"00x1", std::nullopt},
    {"0b101", std::nullopt},
    {"&H10", std::nullopt},
    {"$G", std::nullopt},
    {"1$", std::nullopt},
    {"12\0"sv, std::nullopt},  // an embedded NUL is not the end of the text
    {"1\0002"sv, std::nullopt},
    // Non-ASCII: no byte of a multi-byte character is a digit.
    {"\u0661\u0662", std::nullopt},  // Arabic-Indic digits
    {"\uFF11\uFF12", std::nullopt},  // fullwidth digits
    {"\u00A012", std::nullopt},      // no-break space is no blank
    {"12\u00E9", std::nullopt},
    {"\u00E9", std::nullopt},
    {"$\u00C4", std::nullopt},
    {"\xFF"
     "1",
     std::nullopt},  // invalid UTF-8
    {"1\x80", std::nullopt},
};

TEST(ParseIntegerText, Table) {
  for (const IntegerCase& c : kIntegerCases) {
    EXPECT_EQ(ParseIntegerText(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

const IntegerCase kTrimmedCases[] = {
    {"12", 12},
    {" \t-12\r\n", -12},
    {"\x01 5 \x1f", 5},
    {" $ff ", 255},
    {"\t0x10\t", 16},
    {"  18 ", 18},
    {" \x7F"
     "5",
     std::nullopt},  // DEL is code 127: not trimmed
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"\t\r\n", std::nullopt},
    {" 1 2 ", std::nullopt},
    {" 7% ", std::nullopt},
    {"\u00A05", std::nullopt},  // no-break space (code 160) stays
    {"5\u3000", std::nullopt},  // ideographic space stays
    {"  \0"sv, std::nullopt},   // NUL is trimmed, nothing is left
    {"\0"
     "42\0"sv,
     42},
};

TEST(ParseTrimmedIntegerField, Table) {
  for (const IntegerCase& c : kTrimmedCases) {
    EXPECT_EQ(ParseTrimmedIntegerField(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

TEST(TrimControlAndBlanks, RemovesCodesUpTo32AtBothEndsOnly) {
  EXPECT_EQ(TrimControlAndBlanks(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimControlAndBlanks("\x01\x1F\x20"), "");
  EXPECT_EQ(TrimControlAndBlanks("\u00E9 "), "\u00E9");
  EXPECT_EQ(TrimControlAndBlanks(""), "");
}

const IntegerCase kStrToIntOrZeroCases[] = {
    {"", 0},
    {"5", 5},
    {"-255", -255},
    {" 12", 12},
    {"$10", 16},
    {" ", std::nullopt},  // only truly empty text is zero
    {"abc", std::nullopt},
    {"12 ", std::nullopt},
};

TEST(ParseIntegerEmptyAsZero, Table) {
  for (const IntegerCase& c : kStrToIntOrZeroCases) {
    EXPECT_EQ(ParseIntegerEmptyAsZero(c.text), c.expected) << "text \"" << c.text << "\"";
  }
}

}  // namespace
}  // namespace tw
