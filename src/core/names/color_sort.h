#pragma once

// The eight orders of the color list. An order is the Tag of its menu item
// and is stored in the settings as a plain integer, so any int is accepted:
// one outside 0..7 sorts by ascending brightness sum.

#include <string_view>

#include "core/names/color_list.h"

namespace tw {

inline constexpr int SortByName = 0;
inline constexpr int SortByHue = 1;
inline constexpr int SortBySaturation = 2;
inline constexpr int SortByValue = 3;
inline constexpr int SortByRed = 4;
inline constexpr int SortByGreen = 5;
inline constexpr int SortByBlue = 6;
inline constexpr int SortByBrightness = 7;
inline constexpr int kSortOrderCount = 8;

// Orders two UTF-8 strings by their UTF-16 code units: case-sensitive, and a
// prefix before the longer string. Negative, zero or positive.
int CompareUTF16Order(std::string_view a, std::string_view b);

// Negative when `a` belongs before `b` under `order`, positive when after,
// zero when the order cannot tell them apart.
int CompareColors(const NamedColor& a, const NamedColor& b, int order);

// Sorts the whole array under `order`. Entries that compare equal end up in
// the order this particular quicksort leaves them (it is not stable); the list
// shows them that way, so the routine must not be swapped for another sort.
void SortColors(NamedColors& colors, int order);

}  // namespace tw
