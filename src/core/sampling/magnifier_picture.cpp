#include "core/sampling/magnifier_picture.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tw {
namespace {

// 64-bit, so the product cannot overflow for any picture size.
int SourceIndex(int targetIndex, int sourceLength, int targetLength) {
  const std::int64_t scaled = std::int64_t{targetIndex} * sourceLength + (sourceLength - 1) / 2;
  return static_cast<int>(scaled / targetLength);
}

}  // namespace

void StretchPixels(const BgrImageView& source, const BgrImageView& target) {
  if (source.width <= 0 || source.height <= 0 || target.width <= 0 || target.height <= 0) {
    return;
  }
  std::vector<int> sourceColumn(target.width);
  for (int x = 0; x < target.width; ++x) {
    sourceColumn[x] = SourceIndex(x, source.width, target.width);
  }
  int previousSourceRow = -1;
  for (int y = 0; y < target.height; ++y) {
    const int sourceRow = SourceIndex(y, source.height, target.height);
    ColorTriple* out = target.Row(y);
    if (sourceRow == previousSourceRow) {
      // A repeated row is the row above it again.
      std::copy_n(target.Row(y - 1), target.width, out);
      continue;
    }
    const ColorTriple* in = source.Row(sourceRow);
    for (int x = 0; x < target.width; ++x) out[x] = in[sourceColumn[x]];
    previousSourceRow = sourceRow;
  }
}

std::optional<TColor> PickFromPicture(const BgrImageView& picture, int x, int y) {
  if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return std::nullopt;
  const ColorTriple pixel = picture.At(x, y);
  return MakeColor(pixel.red, pixel.green, pixel.blue);
}

}  // namespace tw
