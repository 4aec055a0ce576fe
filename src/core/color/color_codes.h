#pragma once

// Writing a color as one line of text in the twelve color-code notations.
// Everything here is a pure function: the window passes in the notation
// index and the case option.

#include <array>
#include <string>
#include <string_view>

#include "core/color/tcolor.h"

namespace tw {

// The notation index: the selection of cbxDisplay and the Tag of the matching
// menu item. Any other value (the list's -1 when nothing is selected) names no
// notation.
enum Notation : int {
  kHtmlHex = 0,
  kDelphiHex = 1,
  kVbHex = 2,
  kCppHex = 3,
  kRgbValues = 4,
  kRgbPercentValues = 5,
  kHsl = 6,
  kHsv = 7,
  kCmy = 8,
  kCmyk = 9,
  kPhotoshop = 10,
  kPowerbuilder = 11,
};

inline constexpr int kNotationCount = 12;

// The items of cbxDisplay, in index order.
inline constexpr std::array<std::string_view, kNotationCount> kNotationNames = {
    "HTML Hex", "Delphi Hex", "VB Hex", "C++ Hex", "RGB Values", "RGB %Values",
    "HSL",      "HSV (HSB)",  "CMY",    "CMYK",    "Photoshop",  "Powerbuilder"};

// "#RRGGBB" from the low 24 bits, always with upper-case digits: the case
// option is applied by FormatColorCode, not here.
std::string ColorToHtmlHex(TColor color);

// The low 24 bits of `color` written in `notation`, lower-cased (ASCII
// letters only) when `upperCase` is false. Empty for an index outside 0..11.
std::string FormatColorCode(int notation, TColor color, bool upperCase);

// `text` with its ASCII letters turned to upper or lower case. Every other
// byte stays, so multi-byte UTF-8 characters pass through whole. This is also
// what the "UpperCase Color Codes" toggle applies to the edit box's text.
std::string ConvertAsciiCase(std::string text, bool upperCase);

}  // namespace tw
