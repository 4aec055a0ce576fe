#pragma once

#include "core/color/bgr_image.h"

namespace tw {

enum class RampColor { kRed, kGreen, kBlue, kGray };

// Fills the picture with a ramp from black at the left to full intensity of
// the given color at the right: column x gets Trunc(x × 255 ÷ width). Every
// pixel of the picture is written, none beyond it.
void PaintRamp(const BgrImageView& picture, RampColor color);

}  // namespace tw
