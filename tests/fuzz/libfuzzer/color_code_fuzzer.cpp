// Reads the input as a color code in every notation. A code that reads is
// written again in each notation, and that text must read back: to the same
// color where the notation keeps all 24 bits. Letter case never changes what
// a code means, since the case option rewrites the code box's text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/color/color_code_parsing.h"
#include "core/color/color_codes.h"
#include "fuzz_expect.h"

namespace tw::fuzz {
namespace {

constexpr bool KeepsAll24Bits(int notation) {
  switch (notation) {
    case kRgbPercentValues:
    case kHsl:
    case kHsv:
    case kCmyk:
      return false;
    default:
      return true;
  }
}

void CheckWrittenCodes(TColor color) {
  Expect(color >= 0 && color <= 0xFFFFFF, "a code read to more than 24 bits");
  for (int notation = 0; notation < kNotationCount; ++notation) {
    for (const bool upperCase : {true, false}) {
      const std::string code = FormatColorCode(notation, color, upperCase);
      const std::optional<TColor> reread = ParseColorCode(notation, code);
      Expect(reread.has_value(), "a written code does not read: " + code);
      if (KeepsAll24Bits(notation)) {
        Expect(*reread == color, "a written code reads as another color: " + code);
      }
    }
  }
}

void CheckInput(std::string_view text) {
  const std::string upper = ConvertAsciiCase(std::string(text), true);
  const std::string lower = ConvertAsciiCase(std::string(text), false);
  for (int notation = 0; notation < kNotationCount; ++notation) {
    const std::optional<TColor> color = ParseColorCode(notation, text);
    Expect(ParseColorCode(notation, upper) == color, "upper case reads otherwise");
    Expect(ParseColorCode(notation, lower) == color, "lower case reads otherwise");
    if (color) CheckWrittenCodes(*color);
  }
  for (const int noNotation : {-1, kNotationCount}) {
    Expect(!ParseColorCode(noNotation, text), "a code read without a notation");
  }
}

}  // namespace
}  // namespace tw::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tw::fuzz::CheckInput(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
