#pragma once

#include <vector>

#include "core/color/bgr_image.h"

namespace tw {

struct HueSaturation {
  int hue;         // 0..360
  int saturation;  // 0..255
  friend bool operator==(const HueSaturation&, const HueSaturation&) = default;
};

// The color wheel of an image of a given size: every hue and saturation at
// one value, hues clockwise from red straight above the centre (360) through
// 90 to the right, saturation from 0 at the centre to 255 at the rim, black
// outside the disc. The disc has the radius (height ÷ 2) and is centred on
// image pixel (height - 1 - radius, radius), which is (radius, radius) for
// the odd heights the layouts give it. Which hue and saturation each pixel shows
// depends on the size only, so it is worked out once; painting at a new
// value then costs one lookup per pixel.
class ColorWheel {
 public:
  ColorWheel(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Writes the whole wheel into an image of this wheel's size.
  void Paint(const BgrImageView& image, int value) const;
  // What a pixel shows; nothing outside the disc.
  const HueSaturation* At(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<HueSaturation> pixels_;  // row by row; saturation -1 outside the disc
};

// The hue and saturation that a press at (x, y) of a wheel image `height`
// pixels high chooses: the direction from the centre gives the hue, the
// distance the saturation, full beyond the rim (also outside the image,
// while the button is held). The centre itself gives hue 90, saturation 0.
HueSaturation HueSaturationAtPoint(int x, int y, int height);

}  // namespace tw
