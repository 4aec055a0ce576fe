#include "core/sampling/crosshair.h"

#include <algorithm>
#include <cstdint>

#include "core/sampling/magnifier_geometry.h"

namespace tw {
namespace {

constexpr int kRectangle = 2;
constexpr int kCrossArm = 10;

void Invert(ColorTriple& pixel) {
  pixel.blue = static_cast<std::uint8_t>(~pixel.blue);
  pixel.green = static_cast<std::uint8_t>(~pixel.green);
  pixel.red = static_cast<std::uint8_t>(~pixel.red);
}

// Inverts x in [x0, x1) of row y, clipped to the picture.
void InvertRow(const BgrImageView& picture, int y, int x0, int x1) {
  if (y < 0 || y >= picture.height) return;
  ColorTriple* row = picture.Row(y);
  for (int x = std::max(x0, 0); x < std::min(x1, picture.width); ++x) Invert(row[x]);
}

// Inverts y in [y0, y1) of column x, clipped to the picture.
void InvertColumn(const BgrImageView& picture, int x, int y0, int y1) {
  if (x < 0 || x >= picture.width) return;
  for (int y = std::max(y0, 0); y < std::min(y1, picture.height); ++y) Invert(picture.At(x, y));
}

}  // namespace

void DrawCrosshair(const BgrImageView& picture, int crosshair, int zoom) {
  if (crosshair == 0) return;
  const auto geometry = MagnifierGeometryFor(picture.width, picture.height, zoom);
  if (!geometry) return;
  const MagnifierGeometry& g = *geometry;
  if (crosshair == kRectangle) {
    // Each outline pixel once: the top and bottom edges take the corners.
    InvertRow(picture, g.top, g.left, g.right + 1);
    InvertRow(picture, g.bottom, g.left, g.right + 1);
    InvertColumn(picture, g.left, g.top + 1, g.bottom);
    InvertColumn(picture, g.right, g.top + 1, g.bottom);
  } else {
    // Like a line drawn from start to end point, the end point excluded.
    InvertRow(picture, g.crossY, g.crossX - kCrossArm, g.crossX + kCrossArm);
    InvertColumn(picture, g.crossX, g.crossY - kCrossArm, g.crossY + kCrossArm);
  }
}

}  // namespace tw
