#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/color/bgr_image.h"

namespace tw {

// A picture with padded rows and a guard band after them, so a painter that
// writes past the last pixel of a row or of the picture is caught.
struct GuardedPicture {
  static constexpr std::uint8_t kGuard = 0xA5;
  int width;
  int height;
  std::ptrdiff_t stride;
  std::vector<std::uint8_t> bytes;

  GuardedPicture(int w, int h)
      : width(w), height(h), stride(((w * 3 + 3) / 4) * 4), bytes(stride * h + 64, kGuard) {}
  BgrImageView View() { return {bytes.data(), width, height, stride}; }
  bool PaddingUntouched() const {
    for (int y = 0; y < height; ++y) {
      for (std::ptrdiff_t i = width * 3; i < stride; ++i) {
        if (bytes[y * stride + i] != kGuard) return false;
      }
    }
    for (std::size_t i = stride * height; i < bytes.size(); ++i) {
      if (bytes[i] != kGuard) return false;
    }
    return true;
  }
};

}  // namespace tw
