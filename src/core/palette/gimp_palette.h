#pragma once

// GIMP's palette text (".gpl"): a "GIMP Palette" line, optional "Name:" and
// "Columns:" lines, "#" comments, then one "R G B<tab>name" line per color.
//
// Keeps: every RGB color exactly and each color's name (UTF-8).
// Loses: system colors, which are written as the RGB they show now; line
// breaks and control characters inside a name (written as spaces) and blanks
// around it; the palette's own name and column count, which are read past.

#include <string>
#include <string_view>
#include <vector>

#include "core/color/conversions.h"
#include "core/palette/named_palette.h"

namespace tw {

// The file for `entries`, named `title`; LF line ends, as GIMP writes them.
std::string FormatGimpPalette(const std::vector<PaletteEntry>& entries, std::string_view title,
                              SysColorLookup lookup = DefaultSysColor);

// Reads a GIMP palette. A channel above 255 counts as 255, as GIMP reads it;
// a line that starts no three numbers is skipped and counted.
PaletteLoad ParseGimpPalette(std::string_view bytes);

// Whether `bytes` begin as a GIMP palette (the sniffer's test).
bool LooksLikeGimpPalette(std::string_view bytes);

}  // namespace tw
