#pragma once

// A palette as CSS custom properties (".css"), for saving only: one
// "--tw-N: #rrggbb;" per slot in a ":root" rule, the slot's name after it
// as a comment.
//
// Keeps: every RGB color and each name. Loses: system colors (written as the
// RGB they show now) and a "*/" inside a name, which would end the comment.

#include <string>
#include <vector>

#include "core/color/conversions.h"
#include "core/palette/named_palette.h"

namespace tw {

std::string FormatCssPalette(const std::vector<PaletteEntry>& entries,
                             SysColorLookup lookup = DefaultSysColor);

}  // namespace tw
