#pragma once

#include <array>

#include "core/color/bgr_image.h"

namespace tw {

enum class RampColor { kRed, kGreen, kBlue, kGray };

// Fills the picture with a ramp from black at the left to full intensity of
// the given color at the right: column x gets Trunc(x × 255 ÷ width). Every
// pixel of the picture is written, none beyond it.
void PaintRamp(const BgrImageView& picture, RampColor color);

// The positions of one group's three scroll bars: red, green and blue, or
// hue (0..360), saturation and value (0..255).
using BarPositions = std::array<int, 3>;

// A gradient strip: what the color becomes as component `varied` (0, 1 or
// 2 of `positions`) runs across the strip while the other two stay. Column
// i has t = Trunc(i × (255 ÷ width)), so no strip reaches 255; the hue
// strip shows hue MulDiv(360, t, 255), 356 in the last column of a strip
// 105 wide. Every row is alike.
void PaintRgbStrip(const BgrImageView& strip, int varied, const BarPositions& rgb);
void PaintHsvStrip(const BgrImageView& strip, int varied, const BarPositions& hsv);

}  // namespace tw
