#pragma once

#include <cstdint>

namespace tw {

// A rectangle of the desktop in physical pixels. With several monitors the
// desktop's coordinates can be negative.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  constexpr bool Contains(int px, int py) const {
    // 64-bit, so a rectangle that reaches the end of the int range cannot overflow.
    return px >= x && py >= y && std::int64_t{px} < std::int64_t{x} + width &&
           std::int64_t{py} < std::int64_t{y} + height;
  }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

}  // namespace tw
