#pragma once

// The two constant named-color tables: the extended table of common color
// names and the HTML table of the CSS color keywords. Both are immutable
// program data in their stored order; the color list copies and sorts them.

#include <span>
#include <string_view>

#include "core/color/tcolor.h"

namespace tw {

// A named color. The name is UTF-8 and shown exactly as stored (two HTML
// names end in a space); the value is always an RGB color (high byte 0).
struct NamedColor {
  std::string_view name;
  TColor value = 0;
};

inline constexpr int ColorNameCount = 1417;
inline constexpr int HTMLColorCount = 139;

// The extended table, ColorNameCount entries. Every value occurs once.
std::span<const NamedColor> ColorNameTable();

// The HTML table, HTMLColorCount entries. Every value occurs once.
std::span<const NamedColor> HTMLColorTable();

}  // namespace tw
