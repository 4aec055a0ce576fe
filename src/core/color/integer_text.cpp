#include "core/color/integer_text.h"

namespace tw {

namespace {

constexpr bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a hex digit, or -1. Non-ASCII bytes (negative as char on most
// compilers) fall through to -1.
constexpr int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

constexpr std::size_t kMaxHexDigits = 8;

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // The prefix decides hex before any digit is read: "0x1F" is hex, while a
  // lone "0" or "012" stays decimal.
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    i += 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }

  const std::string_view digits = text.substr(i);
  if (digits.empty()) return std::nullopt;

  if (hex) {
    if (digits.size() > kMaxHexDigits) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
      const int d = HexDigitValue(c);
      if (d < 0) return std::nullopt;
      value = value * 16 + static_cast<std::uint32_t>(d);
    }
    // Unsigned negation wraps, and the conversion to int32 is modular in
    // C++20, so every eight-digit pattern lands on its two's complement value.
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
  }

  // Decimal: the magnitude may reach 2^31 only for a negative number. Leading
  // zeros are fine, so stop accumulating once past the limit rather than
  // counting digits.
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (char c : digits) {
    if (!IsDecimalDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

std::string_view TrimControlAndBlanks(std::string_view text) {
  auto is_blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && is_blank(text[begin])) ++begin;
  while (end > begin && is_blank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::optional<std::int32_t> ParseTrimmedIntegerField(std::string_view text) {
  return ParseIntegerText(TrimControlAndBlanks(text));
}

std::optional<std::int32_t> ParseIntegerEmptyAsZero(std::string_view text) {
  if (text.empty()) return 0;
  return ParseIntegerText(text);
}

}  // namespace tw
