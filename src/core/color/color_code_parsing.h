#pragma once

// Reading a color code typed by the user back into a color. The notation is
// the one selected, never guessed from the text.

#include <optional>
#include <string_view>

#include "core/color/tcolor.h"

namespace tw {

// Reads UTF-8 `text` in `notation` (the index of FormatColorCode). Numeric
// fields follow the integer-text rule with blanks trimmed around each one;
// a channel out of range keeps its low 8 bits ("300,0,0" is red 44), and all
// arithmetic on a field is done in 64 bits, so no input can overflow.
// nullopt is a conversion error: text that cannot be read, an index outside
// 0..11, a Powerbuilder number above 16777215, or an HSV code whose hue lies
// at -60 or below or above 360 while its saturation is not 0.
std::optional<TColor> ParseColorCode(int notation, std::string_view text);

}  // namespace tw
