#pragma once

#include "core/color/bgr_image.h"

namespace tw {

// Inverts (each channel's bits flipped) the crosshair into a magnified
// picture made at zoom factor `zoom`, whose size sets the geometry
// (MagnifierGeometryFor). `crosshair` 0 draws nothing, 2 the rectangle
// outline, any other value the cross: a 20-pixel horizontal stroke from
// crossX − 10 to crossX + 9 and a vertical one from crossY − 10 to
// crossY + 9, so the centre pixel, inverted twice, keeps its true color.
// Pixels beyond the picture are skipped; an empty capture draws nothing.
// Drawing the same crosshair twice restores the picture.
void DrawCrosshair(const BgrImageView& picture, int crosshair, int zoom);

}  // namespace tw
