#include "core/color/gradients.h"

#include <algorithm>

#include "core/color/conversions.h"
#include "core/color/rounding.h"

namespace tw {
namespace {

// Writes row 0 with the pixel of each column, then copies it to the rows
// below: a strip is the same from top to bottom.
template <typename PixelOfStep>
void PaintColumns(const BgrImageView& strip, PixelOfStep pixelOfStep) {
  if (strip.width <= 0 || strip.height <= 0) return;
  const double step = 255.0 / strip.width;
  ColorTriple* first = strip.Row(0);
  for (int i = 0; i < strip.width; ++i) {
    first[i] = pixelOfStep(static_cast<int>(Trunc(i * step)));
  }
  for (int y = 1; y < strip.height; ++y) std::copy_n(first, strip.width, strip.Row(y));
}

}  // namespace

void PaintRamp(const BgrImageView& picture, RampColor color) {
  if (picture.width <= 0) return;
  for (int y = 0; y < picture.height; ++y) {
    ColorTriple* row = picture.Row(y);
    for (int x = 0; x < picture.width; ++x) {
      const int v = x * 255 / picture.width;
      switch (color) {
        case RampColor::kRed:
          row[x] = MakeColorTriple(v, 0, 0);
          break;
        case RampColor::kGreen:
          row[x] = MakeColorTriple(0, v, 0);
          break;
        case RampColor::kBlue:
          row[x] = MakeColorTriple(0, 0, v);
          break;
        case RampColor::kGray:
          row[x] = MakeColorTriple(v, v, v);
          break;
      }
    }
  }
}

void PaintRgbStrip(const BgrImageView& strip, int varied, const BarPositions& rgb) {
  PaintColumns(strip, [&](int t) {
    BarPositions color = rgb;
    color[static_cast<size_t>(varied)] = t;
    return MakeColorTriple(color[0], color[1], color[2]);
  });
}

void PaintHsvStrip(const BgrImageView& strip, int varied, const BarPositions& hsv) {
  PaintColumns(strip, [&](int t) {
    BarPositions color = hsv;
    // The hue strip runs over the hue's range, 0..360, the others over 0..255.
    color[static_cast<size_t>(varied)] = varied == 0 ? MulDiv(360, t, 255) : t;
    return HSVToColorTriple(color[0], color[1], color[2]);
  });
}

}  // namespace tw
