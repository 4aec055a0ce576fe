#include "core/settings/stored_value_codec.h"

#include <array>
#include <optional>

namespace tw {
namespace {

constexpr std::string_view kKey = "Quillfen-TW";
static_assert(kKey.size() == 11);

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

char KeyByte(std::size_t index) { return kKey[index % kKey.size()]; }

}  // namespace

std::string EncodeStoredValue(std::string_view text) {
  static constexpr std::array<char, 16> kDigits = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                   '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
  std::string encoded;
  encoded.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i] ^ KeyByte(i));
    encoded += kDigits[byte >> 4];
    encoded += kDigits[byte & 0x0F];
  }
  return encoded;
}

std::string DecodeStoredValue(std::string_view encoded) {
  std::string text;
  for (std::size_t pair = 0; pair + 1 < encoded.size(); pair += 2) {
    const std::optional<int> high = HexDigit(encoded[pair]);
    const std::optional<int> low = HexDigit(encoded[pair + 1]);
    if (!high || !low) continue;
    text += static_cast<char>(((*high << 4) | *low) ^ KeyByte(pair / 2));
  }
  return text;
}

}  // namespace tw
