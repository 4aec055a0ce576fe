#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tw {

// The text an edit box of one color component gets when the user leaves it:
// the number in its own decimal form, at most `limit` (255, or 360 for the
// hue), "0" for a negative number or text that is no number.
std::string NormalizeComponentText(std::string_view text, int limit);

// Moves red, green and blue so that their mean follows the brightness bar:
// the channels that can still move share the difference, and the bar's ends
// give black and white. Positions are clamped to 0..255 as the bars do.
std::array<int, 3> RedistributeBrightness(const std::array<int, 3>& rgb, int target);

}  // namespace tw
