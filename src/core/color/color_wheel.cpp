#include "core/color/color_wheel.h"

#include <cmath>

#include "core/color/conversions.h"
#include "core/color/rounding.h"

namespace tw {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr HueSaturation kOutsideDisc{0, -1};

// The wheel is worked out on a square of side `size` (the image's height) that
// lies one column to the right of the image: column j of the square, counted
// from the right, is image column size - 1 - j. The angle is taken in single
// precision, and a hue above 360 wraps once.
HueSaturation WheelPixel(int x, int y, int size) {
  const int radius = size / 2;
  const int j = size - 1 - x;
  const int dx = j - radius;
  const int dy = y - radius;
  const int squared = dx * dx + dy * dy;
  if (squared > radius * radius) return kOutsideDisc;
  const int saturation = static_cast<int>(Round(std::sqrt(squared) * 255 / radius));
  const double angle = std::atan2(static_cast<float>(dx), static_cast<float>(dy));
  int hue = static_cast<int>(Round((angle / kPi + 1) * 180));
  if (hue > 360) hue -= 360;
  return {hue, saturation};
}

}  // namespace

ColorWheel::ColorWheel(int width, int height) : width_(width), height_(height) {
  pixels_.reserve(static_cast<size_t>(width > 0 && height > 0 ? width * height : 0));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // The wheel spans as many columns as the image is high; the columns of
      // a wider image beyond that stay black.
      pixels_.push_back(x < height ? WheelPixel(x, y, height) : kOutsideDisc);
    }
  }
}

const HueSaturation* ColorWheel::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return nullptr;
  const HueSaturation& pixel = pixels_[static_cast<size_t>(y * width_ + x)];
  return pixel.saturation < 0 ? nullptr : &pixel;
}

void ColorWheel::Paint(const BgrImageView& image, int value) const {
  const ColorTriple black{0, 0, 0};
  const HueSaturation* pixel = pixels_.data();
  for (int y = 0; y < height_ && y < image.height; ++y) {
    ColorTriple* row = image.Row(y);
    for (int x = 0; x < width_; ++x, ++pixel) {
      if (x >= image.width) continue;
      row[x] =
          pixel->saturation < 0 ? black : HSVToColorTriple(pixel->hue, pixel->saturation, value);
    }
  }
}

HueSaturation HueSaturationAtPoint(int x, int y, int height) {
  const int centre = height / 2;
  const double angle = std::atan2(static_cast<float>(centre - y), static_cast<float>(x - centre));
  int hue = static_cast<int>(Round(450 - angle * 180 / kPi));
  if (hue < 0) {
    hue += 360;
  } else if (hue > 360) {
    hue -= 360;
  }
  const double dx = x - centre;
  const double dy = y - centre;
  const auto distance = static_cast<int>(Round(std::sqrt(dx * dx + dy * dy)));
  const int saturation = distance >= centre ? 255 : MulDiv(distance, 255, centre);
  return {hue, saturation};
}

}  // namespace tw
