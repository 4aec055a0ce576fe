#pragma once

#include <optional>
#include <span>

#include "core/color/bgr_image.h"
#include "core/color/tcolor.h"
#include "core/sampling/screen_rect.h"

namespace tw {

// The screen block one sample reads around the pointer: 3 × 3 pixels for
// `average` 1, 5 × 5 for 2, and the pointer's own pixel for any other value.
ScreenRect SampleBlock(int pointerX, int pointerY, int average);

// The average color of those pixels of `block` that lie on one of the
// `monitors`; the block's top-left pixel is the screen pixel (left, top).
// Each channel is the sum over those pixels divided by their number, with the
// fraction dropped. nullopt when no pixel of the block lies on a monitor, so
// the caller keeps its previous color.
std::optional<TColor> AverageColor(const BgrImageView& block, int left, int top,
                                   std::span<const ScreenRect> monitors);

}  // namespace tw
