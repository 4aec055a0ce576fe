#include "core/sampling/color_averaging.h"

#include <algorithm>
#include <cstdint>

namespace tw {
namespace {

bool OnAnyMonitor(std::span<const ScreenRect> monitors, int x, int y) {
  return std::any_of(monitors.begin(), monitors.end(),
                     [x, y](const ScreenRect& monitor) { return monitor.Contains(x, y); });
}

}  // namespace

ScreenRect SampleBlock(int pointerX, int pointerY, int average) {
  const int radius = average == 1 || average == 2 ? average : 0;
  const int side = 2 * radius + 1;
  return {pointerX - radius, pointerY - radius, side, side};
}

std::optional<TColor> AverageColor(const BgrImageView& block, int left, int top,
                                   std::span<const ScreenRect> monitors) {
  // A pixel off every monitor holds whatever the screen copy left there, so
  // it is left out rather than counted.
  std::uint64_t red = 0;
  std::uint64_t green = 0;
  std::uint64_t blue = 0;
  std::uint64_t count = 0;
  for (int y = 0; y < block.height; ++y) {
    const ColorTriple* row = block.Row(y);
    for (int x = 0; x < block.width; ++x) {
      if (!OnAnyMonitor(monitors, left + x, top + y)) continue;
      red += row[x].red;
      green += row[x].green;
      blue += row[x].blue;
      ++count;
    }
  }
  if (count == 0) return std::nullopt;
  const auto mean = [count](std::uint64_t sum) { return static_cast<int>(sum / count); };
  return MakeColor(mean(red), mean(green), mean(blue));
}

}  // namespace tw
