#pragma once

// The color list's working array and its exact naming of a color.

#include <span>
#include <vector>

#include "core/names/color_tables.h"

namespace tw {

// The working copy of a table that the color list sorts and shows.
using TRColorArray = std::vector<RColor>;

// The entries of the HTML table (htmlList) or of the extended table, in
// stored order.
TRColorArray FillColorArray(bool htmlList);

// What the list selects to name a color.
struct ExactName {
  int Index = -1;               // the item to select; -1 selects none
  bool KeepsSelection = false;  // the selected item already names the color:
                                // selection and hint stay as they are
};

// Names `color` among `items` (the list in its present order), `selected`
// being the selected item or -1: a selected item of exactly that value stays
// selected; otherwise the first item of exactly that value (all 32 bits), or
// none, and the hint becomes its name or empty.
ExactName FindExactName(std::span<const RColor> items, int selected, TColor color);

}  // namespace tw
