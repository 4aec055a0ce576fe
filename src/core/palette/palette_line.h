#pragma once

// One line of a palette file: the text form of one slot's color.

#include <string>
#include <string_view>

#include "core/color/tcolor.h"
#include "core/text/converted.h"

namespace tw {

// The color's identifier when it has one, otherwise "$" and the 32-bit value
// as eight upper-case hex digits ($00BBGGRR; a system color such as index 32
// gives $FF000020).
std::string ColorToString(TColor color);

// An identifier in any ASCII letter case, otherwise the integer-text rule
// (leading spaces, a sign, decimal or "$"/"x"/"0x" hex, nothing after the
// digits). Any other text, the empty text included, fails with
// "'<text>' is not a valid integer value".
Converted<TColor> StringToColor(std::string_view text);

}  // namespace tw
