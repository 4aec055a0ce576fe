#pragma once

#include <cstdint>

#include "core/color/tcolor.h"

namespace tw {

// A color written the way color charts print it, 0xRRGGBB, as a TColor
// (0x00BBGGRR), so that the tables read like the charts they come from.
constexpr TColor RGBHex(std::uint32_t rrggbb) {
  return MakeColor((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

}  // namespace tw
