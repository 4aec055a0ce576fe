#pragma once

#include <optional>

#include "core/color/bgr_image.h"
#include "core/color/tcolor.h"

namespace tw {

// Enlarges `source` onto the whole of `target` by plain pixel replication,
// with no smoothing: target column d shows source column
// (d × source width + (source width − 1) div 2) div target width, and rows
// alike. For an enlargement this is the pixel StretchBlt picks in its
// COLORONCOLOR mode (measured under Wine for every pair of lengths up to
// 200), so the extra rows and columns of a non-whole ratio fall where the
// window system puts them. An empty source or target leaves the target
// untouched. The two views must not overlap.
void StretchPixels(const BgrImageView& source, const BgrImageView& target);

// The color of the picture's pixel (x, y), or nullopt outside the picture:
// a drag that leaves the magnifier must not turn into a color.
std::optional<TColor> PickFromPicture(const BgrImageView& picture, int x, int y);

}  // namespace tw
