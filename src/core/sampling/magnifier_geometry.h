#pragma once

#include <optional>

#include "core/sampling/screen_rect.h"

namespace tw {

// The zoom list offers the factors 1 … kMaxZoom. A factor outside that range
// (an index off the list, or no selection at all) is taken as kDefaultZoom.
inline constexpr int kMaxZoom = 20;
inline constexpr int kDefaultZoom = 5;

// The factor of item `itemIndex` of the zoom list: item 0 is "Zoom x 1".
int ZoomFactorFromIndex(int itemIndex);

// The screen block that the magnifier enlarges: W = pictureWidth div zoom by
// H = pictureHeight div zoom pixels, with the pointer at its column W div 2
// and row H div 2. Not clamped to the screen. nullopt when W or H is 0: the
// picture is then smaller than the zoom factor and there is nothing to show.
std::optional<ScreenRect> CaptureRect(int pointerX, int pointerY, int pictureWidth,
                                      int pictureHeight, int zoom);

// Where the crosshair goes on a magnified picture, in picture pixels.
struct MagnifierGeometry {
  int captureWidth;   // W, the captured block's size
  int captureHeight;  // H
  int scaleX;         // picture width div W: the whole part of the enlargement
  int scaleY;         // picture height div H
  int crossX;         // centre of the cross
  int crossY;
  int left;  // corners of the rectangle outline, all four on the outline
  int top;
  int right;
  int bottom;
  friend bool operator==(const MagnifierGeometry&, const MagnifierGeometry&) = default;
};

// The geometry for a picture of the given size at a zoom factor; nullopt
// when the capture would be empty (see CaptureRect).
std::optional<MagnifierGeometry> MagnifierGeometryFor(int pictureWidth, int pictureHeight,
                                                      int zoom);

}  // namespace tw
