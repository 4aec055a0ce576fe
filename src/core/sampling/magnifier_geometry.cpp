#include "core/sampling/magnifier_geometry.h"

#include <algorithm>

#include "core/color/rounding.h"

namespace tw {
namespace {

struct Offset {
  int dx;
  int dy;
};

// The crosshair's fixed nudge (dx, dy) for each zoom factor 1 … 20. It follows
// no formula: it is where the magnifier has always put its crosshair.
constexpr Offset kCrosshairOffsets[kMaxZoom] = {
    {0, 0}, {0, -1}, {0, 0},  {0, 0}, {0, -1}, {1, 1}, {-1, 1}, {0, 0}, {3, 1}, {0, -1},
    {3, 3}, {1, -1}, {1, -1}, {3, 1}, {0, 0},  {0, 0}, {3, 1},  {0, 1}, {0, 1}, {0, 1},
};

int ValidZoom(int zoom) { return zoom >= 1 && zoom <= kMaxZoom ? zoom : kDefaultZoom; }

struct CaptureSize {
  int width;
  int height;
};

// Negative sizes count as empty; an empty capture has nothing to scale, so
// every caller stops there instead of dividing by it.
std::optional<CaptureSize> CaptureSizeFor(int pictureWidth, int pictureHeight, int zoom) {
  const int z = ValidZoom(zoom);
  const CaptureSize size{std::max(pictureWidth, 0) / z, std::max(pictureHeight, 0) / z};
  if (size.width == 0 || size.height == 0) return std::nullopt;
  return size;
}

}  // namespace

int ZoomFactorFromIndex(int itemIndex) {
  return itemIndex >= 0 && itemIndex < kMaxZoom ? itemIndex + 1 : kDefaultZoom;
}

std::optional<ScreenRect> CaptureRect(int pointerX, int pointerY, int pictureWidth,
                                      int pictureHeight, int zoom) {
  const auto size = CaptureSizeFor(pictureWidth, pictureHeight, zoom);
  if (!size) return std::nullopt;
  return ScreenRect{pointerX - size->width / 2, pointerY - size->height / 2, size->width,
                    size->height};
}

std::optional<MagnifierGeometry> MagnifierGeometryFor(int pictureWidth, int pictureHeight,
                                                      int zoom) {
  const auto size = CaptureSizeFor(pictureWidth, pictureHeight, zoom);
  if (!size) return std::nullopt;
  const Offset offset = kCrosshairOffsets[ValidZoom(zoom) - 1];
  const int sx = pictureWidth / size->width;
  const int sy = pictureHeight / size->height;
  const int hx = size->width / 2;
  const int hy = size->height / 2;
  return MagnifierGeometry{
      .captureWidth = size->width,
      .captureHeight = size->height,
      .scaleX = sx,
      .scaleY = sy,
      // In double, then truncated toward zero, as the cross was always placed.
      .crossX = static_cast<int>(Trunc(offset.dx + (hx + 0.5) * sx)),
      .crossY = static_cast<int>(Trunc(offset.dy + (hy + 0.5) * sy)),
      .left = offset.dx + hx * sx,
      .top = offset.dy + hy * sy,
      .right = offset.dx + (hx + 1) * sx + 1,
      .bottom = offset.dy + (hy + 1) * sy + 1,
  };
}

}  // namespace tw
