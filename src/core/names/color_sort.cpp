#include "core/names/color_sort.h"

#include <array>
#include <compare>
#include <cstddef>
#include <utility>

#include "core/color/conversions.h"
#include "core/color/rounding.h"

namespace tw {

namespace {

// UTF-8 bytes order by code point, UTF-16 units do not: a surrogate pair
// (lead byte F0..F4) sorts below U+E000..U+FFFF (lead byte EE or EF). Lifting
// those two lead bytes above every other byte gives the UTF-16 order.
int UTF16Rank(unsigned char byte) { return byte == 0xEE || byte == 0xEF ? byte + 0x100 : byte; }

int Sign(std::strong_ordering o) { return o < 0 ? -1 : (o > 0 ? 1 : 0); }

// The numeric keys of an entry under an order, most significant first. Name
// order falls back on these only to break ties, with the brightness sum.
std::array<int, 3> NumericKey(TColor c, int order) {
  const int r = RedOf(c), g = GreenOf(c), b = BlueOf(c), sum = r + g + b;
  if (order >= SortByHue && order <= SortByValue) {
    const Hsv hsv = RGBToHSV(r, g, b);
    const int h = static_cast<int>(Trunc(hsv.H));
    const int s = static_cast<int>(Trunc(hsv.S));
    const int v = static_cast<int>(Trunc(hsv.V));
    if (order == SortByHue) return {h, s, v};
    if (order == SortBySaturation) return {s, h, v};
    return {v, s, h};
  }
  switch (order) {
    case SortByRed:
      return {-r, sum, 0};
    case SortByGreen:
      return {-g, sum, 0};
    case SortByBlue:
      return {-b, sum, 0};
    case SortByBrightness:
      return {-sum, 0, 0};
    default:
      return {sum, 0, 0};
  }
}

// The list's quicksort with a moving pivot index: it recurses into the left
// part and loops on the right one. Its exact steps decide where entries that
// compare equal land.
void QuickSort(NamedColors& c, std::ptrdiff_t left, std::ptrdiff_t right, int order) {
  for (;;) {
    std::ptrdiff_t i = left;
    std::ptrdiff_t j = right;
    std::ptrdiff_t p = (left + right) / 2;  // both are >= 0: rounds down
    do {
      while (CompareColors(c[i], c[p], order) < 0) ++i;
      while (CompareColors(c[j], c[p], order) > 0) --j;
      if (i <= j) {
        std::swap(c[i], c[j]);
        if (p == i) {
          p = j;
        } else if (p == j) {
          p = i;
        }
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) QuickSort(c, left, j, order);
    if (i >= right) return;
    left = i;
  }
}

}  // namespace

int CompareUTF16Order(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t k = 0; k < n; ++k) {
    const int x = UTF16Rank(static_cast<unsigned char>(a[k]));
    const int y = UTF16Rank(static_cast<unsigned char>(b[k]));
    if (x != y) return x < y ? -1 : 1;
  }
  return Sign(a.size() <=> b.size());
}

int CompareColors(const NamedColor& a, const NamedColor& b, int order) {
  if (order == SortByName) {
    if (const int byName = CompareUTF16Order(a.name, b.name); byName != 0) return byName;
  }
  return Sign(NumericKey(a.value, order) <=> NumericKey(b.value, order));
}

void SortColors(NamedColors& colors, int order) {
  if (colors.size() < 2) return;  // nothing to order; an empty array has no pivot
  QuickSort(colors, 0, static_cast<std::ptrdiff_t>(colors.size()) - 1, order);
}

}  // namespace tw
