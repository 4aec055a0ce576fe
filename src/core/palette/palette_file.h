#pragma once

// The palette file (".plt"): twelve lines, one slot's color each, in slot
// order.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/color/tcolor.h"
#include "core/text/converted.h"
#include "core/text/text_encoding.h"

namespace tw {

inline constexpr std::size_t kPaletteSlotCount = 12;
// A palette of six slots is still a whole palette; fewer lines are refused.
inline constexpr std::size_t kRequiredPaletteLines = 6;
// Only the head of a file is read; a real palette needs a few hundred bytes.
inline constexpr std::size_t kMaxPaletteFileBytes = 64 * 1024;

using PaletteSlots = std::array<TColor, kPaletteSlotCount>;

// Twelve lines written by ColorToString, each ended by CR LF; ASCII only,
// no byte-order mark.
std::string FormatPaletteFile(const PaletteSlots& slots);

// Reads the bytes of a palette file (only the first kMaxPaletteFileBytes
// count) and returns the colors for slots 1, 2, … in order: six to twelve of
// them, the slots after the last one keep their colors. A line among the
// first six that is missing or no color refuses the whole load: the result
// is the error report and the caller changes no slot. Among lines 7–12 the
// first missing or invalid line silently ends the colors.
// A byte-order mark selects UTF-8 or UTF-16; other files are `eightBit` text.
Converted<std::vector<TColor>> ParsePaletteFile(std::string_view bytes,
                                                const EightBitCodec& eightBit);

}  // namespace tw
