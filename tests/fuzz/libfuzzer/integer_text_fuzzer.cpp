// Reads the input by the integer-text rule and checks the result against the
// standard library's own number reading of the same grammar, and that every
// number read is written back to text that reads as the same number.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/color/integer_text.h"
#include "fuzz_expect.h"

namespace tw::fuzz {
namespace {

bool AllDigits(std::string_view text, int base) {
  std::uint64_t ignored = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ignored, base);
  // from_chars stops at the first non-digit; a too-long run reports a range
  // error but still consumes every digit.
  return !text.empty() && end == text.data() + text.size() &&
         (error == std::errc() || error == std::errc::result_out_of_range);
}

// What the rule must give, read with std::from_chars; nothing when the text
// is outside the grammar or its number outside the range.
std::optional<std::int32_t> Expected(std::string_view text) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::size_t prefix = 0;
  if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
    prefix = 1;
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    prefix = 2;
  }
  if (prefix != 0) {
    const std::string_view digits = text.substr(prefix);
    // A sign or blank after the prefix is no digit, though from_chars would
    // take a "-".
    if (digits.size() > 8 || digits.starts_with('-') || !AllDigits(digits, 16)) return std::nullopt;
    std::uint32_t bits = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
  }
  if (text.starts_with('-') || !AllDigits(text, 10)) return std::nullopt;
  std::int64_t magnitude = 0;
  if (std::from_chars(text.data(), text.data() + text.size(), magnitude).ec != std::errc()) {
    return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::string EightHexDigits(std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(value));
  return text;
}

void CheckInput(std::string_view text) {
  const std::optional<std::int32_t> value = ParseIntegerText(text);
  Expect(value == Expected(text), "the rule reads \"" + std::string(text) + "\" otherwise");
  Expect(ParseTrimmedIntegerField(" \t" + std::string(text) + "\r\n") ==
             ParseTrimmedIntegerField(text),
         "blanks around a field change it");
  if (text.empty()) Expect(ParseIntegerEmptyAsZero(text) == 0, "empty text is not 0");
  if (!value) return;
  Expect(ParseIntegerText(std::to_string(*value)) == value, "decimal text reads otherwise");
  Expect(ParseIntegerText(EightHexDigits(*value)) == value, "hex text reads otherwise");
  Expect(ParseIntegerEmptyAsZero(text) == value, "a number reads otherwise where empty is 0");
}

}  // namespace
}  // namespace tw::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tw::fuzz::CheckInput(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
