#include "core/color/gradients.h"

#include "core/color/conversions.h"

namespace tw {

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

}  // namespace tw
