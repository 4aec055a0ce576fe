#include "core/color/html_hex.h"

#include <string>

#include "core/color/integer_text.h"

namespace tw {

namespace {

constexpr bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset where character number `index` starts, or text.size() when the
// text has fewer characters. Character 0 always starts at byte 0.
std::size_t CharacterOffset(std::string_view text, std::size_t index) {
  std::size_t offset = 0;
  for (std::size_t n = 0; n < index; ++n) {
    if (offset >= text.size()) return text.size();
    ++offset;
    while (offset < text.size() && IsContinuationByte(text[offset])) ++offset;
  }
  return offset;
}

}  // namespace

std::string_view LastCharacters(std::string_view text, std::size_t count) {
  std::size_t begin = text.size();
  for (std::size_t n = 0; n < count && begin > 0; ++n) {
    --begin;
    while (begin > 0 && IsContinuationByte(text[begin])) --begin;
  }
  return text.substr(begin);
}

std::string_view CharacterSlice(std::string_view text, std::size_t first, std::size_t count) {
  const std::size_t begin = CharacterOffset(text, first);
  const std::size_t rest = CharacterOffset(text.substr(begin), count);
  return text.substr(begin, rest);
}

std::optional<int> ReadHexPair(std::string_view pair) {
  // "$" and the pair, read as any integer is, so the pair obeys the integer-text
  // rule: no blank, sign or second prefix can hide behind the "$".
  if (pair.size() > 2) return std::nullopt;  // more than two hex digits: not a pair
  std::string text = "$";
  text.append(pair);
  return ParseIntegerText(text);
}

std::optional<TColor> HtmlHexToColor(std::string_view text) {
  const std::string_view t = LastCharacters(text, 6);
  const std::optional<int> red = ReadHexPair(CharacterSlice(t, 0, 2));
  const std::optional<int> green = ReadHexPair(CharacterSlice(t, 2, 2));
  const std::optional<int> blue = ReadHexPair(CharacterSlice(t, 4, 2));
  if (!red || !green || !blue) return std::nullopt;
  return MakeColor(*red, *green, *blue);
}

}  // namespace tw
