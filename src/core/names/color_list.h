#pragma once

// The color list's working array and its exact naming of a color.

#include <span>
#include <vector>

#include "core/names/color_tables.h"

namespace tw {

// The working copy of a table that the color list sorts and shows.
using NamedColors = std::vector<NamedColor>;

// The entries of the HTML table (htmlOnly) or of the extended table, in
// stored order.
NamedColors TableEntries(bool htmlOnly);

// What the list selects to name a color.
struct ExactName {
  int index = -1;               // the item to select; -1 selects none
  bool keepsSelection = false;  // the selected item already names the color:
                                // selection and hint stay as they are
};

// Names `color` among `items` (the list in its present order), `selected`
// being the selected item or -1: a selected item of exactly that value stays
// selected; otherwise the first item of exactly that value (all 32 bits), or
// none, and the hint becomes its name or empty.
ExactName FindExactName(std::span<const NamedColor> items, int selected, TColor color);

}  // namespace tw
