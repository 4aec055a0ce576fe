#pragma once

#include <cstddef>
#include <cstdint>

#include "core/color/tcolor.h"

namespace tw {

// Direct access to the rows of a 24-bit bitmap, top row first. Rows may be
// padded: `stride` is the distance in bytes from one row to the next.
struct BgrImageView {
  std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;

  ColorTriple* Row(int y) const { return reinterpret_cast<ColorTriple*>(bits + y * stride); }
  ColorTriple& At(int x, int y) const { return Row(y)[x]; }
};

// The row stride of a 24-bit bitmap as the window system lays it out: each
// row padded to whole 32-bit words.
constexpr std::ptrdiff_t BitmapRowStride(int width) { return ((width * 3 + 3) / 4) * 4; }

}  // namespace tw
