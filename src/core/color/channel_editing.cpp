#include "core/color/channel_editing.h"

#include <algorithm>

#include "core/color/integer_text.h"
#include "core/color/rounding.h"

namespace tw {

std::string NormalizeComponentText(std::string_view text, int limit) {
  const std::optional<std::int32_t> number = ParseIntegerText(text);
  if (!number || *number < 0) return "0";
  return std::to_string(std::min<std::int32_t>(*number, limit));
}

std::array<int, 3> RedistributeBrightness(const std::array<int, 3>& rgb, int target) {
  std::array<int, 3> result = rgb;
  const int mean = (rgb[0] + rgb[1] + rgb[2]) / 3;
  if (mean != target) {
    const bool brighter = mean < target;
    // Only channels that still have room in that direction take a share.
    auto canMove = [brighter](int channel) { return brighter ? channel < 255 : channel > 0; };
    const auto movable = std::count_if(rgb.begin(), rgb.end(), canMove);
    const auto step =
        static_cast<int>(Trunc((brighter ? target - mean : mean - target) * (3.0 / movable)));
    for (int& channel : result) {
      if (canMove(channel)) channel += brighter ? step : -step;
    }
  }
  if (target <= 0) result = {0, 0, 0};
  if (target >= 255) result = {255, 255, 255};
  for (int& channel : result) channel = std::clamp(channel, 0, 255);
  return result;
}

}  // namespace tw
