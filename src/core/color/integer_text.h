#pragma once

// The one rule by which the program reads an integer from text: edit boxes,
// color-code fields, settings and palette files all use it.
// Text is UTF-8; a byte outside ASCII is never a digit, so any non-ASCII
// character makes the text invalid. No routine here throws: "not an integer"
// is std::nullopt, and the caller shows its own message.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tw {

// Reads `text` as a signed 32-bit integer:
//   - optional leading spaces (the character 32 only; tabs and other
//     control characters are not blanks here, see ParseTrimmedIntegerField);
//   - an optional sign "+" or "-";
//   - either decimal digits, whose value must lie in -2147483648..2147483647,
//   - or a hexadecimal prefix "$", "x", "X", "0x" or "0X" followed by one to
//     eight hex digits (either case), read as 32 bits of two's complement:
//     "$FFFFFFFF" is -1, "$80000000" is -2147483648. A "-" before the prefix
//     negates those 32 bits, wrapping: "-$10" is -16, "-$FFFFFFFF" is 1;
//   - nothing after the digits.
// Empty text, a lone sign or prefix, inner or trailing blanks, a decimal
// point, a "%" and a ninth hex digit (even a leading zero) all fail.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);

// Drops leading and trailing bytes with a code of 32 or less (blanks, tabs,
// line breaks, control characters). Multi-byte UTF-8 characters are never
// touched: all their bytes are 128 or more.
std::string_view TrimControlAndBlanks(std::string_view text);

// A trimmed color-code field: TrimControlAndBlanks, then
// ParseIntegerText. So " \t-12\r\n" is -12, while "1 2" still fails.
std::optional<std::int32_t> ParseTrimmedIntegerField(std::string_view text);

// What the edit boxes and the settings file read: empty text is 0, any
// other text is read by ParseIntegerText (nullopt is a conversion error).
// Only truly empty text is 0; a lone blank is an error.
std::optional<std::int32_t> ParseIntegerEmptyAsZero(std::string_view text);

}  // namespace tw
