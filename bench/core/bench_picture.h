#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/color/bgr_image.h"

namespace tw {

// A 24-bit picture with rows padded to 4 bytes, as a DIB section has them.
struct Picture {
  std::ptrdiff_t stride;
  std::vector<std::uint8_t> bytes;
  BgrImageView view;

  Picture(int width, int height)
      : stride((width * 3 + 3) / 4 * 4),
        bytes(stride * height),
        view{nullptr, width, height, stride} {
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 37);
    view.bits = bytes.data();
  }
};

}  // namespace tw
