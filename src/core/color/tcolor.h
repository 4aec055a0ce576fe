#pragma once

#include <cstdint>

namespace tw {

// A color as the window system stores it: 0x00BBGGRR. A negative value is a
// system color whose low byte indexes the desktop's system color table.
using TColor = std::int32_t;

constexpr int RedOf(TColor c) { return c & 0xFF; }
constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }

// Each channel keeps only its low 8 bits, so 300 wraps to 44 and -1 to 255.
constexpr TColor MakeColor(long long red, long long green, long long blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// One pixel of a 24-bit bitmap row, in memory order.
struct ColorTriple {
  std::uint8_t blue;
  std::uint8_t green;
  std::uint8_t red;
  friend bool operator==(const ColorTriple&, const ColorTriple&) = default;
};
static_assert(sizeof(ColorTriple) == 3);

}  // namespace tw
