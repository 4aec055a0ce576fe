#pragma once

// "Find Closest Color": the entry of the color list nearest to a color.

#include <cstdint>
#include <span>
#include <vector>

#include "core/names/color_tables.h"

namespace tw {

// The list's rule, as a plain scan: the first of `items` (the list in its
// present order) whose Euclidean RGB distance to (red, green, blue) is the
// smallest and below 255. When none lies below 255 the answer is `selected`
// (the selected item, or -1), so the selection stays as it is.
int FindClosestColor(std::span<const NamedColor> items, int selected, int red, int green, int blue);

// The same answer, tie for tie, from a grid built once for a list in a given
// order: cheap enough to run on every eyedropper tick. Build a new one
// whenever the list is rebuilt or resorted.
class ClosestColorFinder {
 public:
  explicit ClosestColorFinder(std::span<const NamedColor> items);

  int Find(int selected, int red, int green, int blue) const;

 private:
  struct Candidate {
    std::int32_t index;
    std::uint8_t Red, Green, Blue;
  };

  // Channel inputs outside 0..255 (an edit box can hold any integer) miss the
  // grid; they take the plain scan over this copy.
  std::vector<NamedColor> items_;
  // The candidates of cell k are candidates_[cellStart_[k] .. cellStart_[k + 1]).
  std::vector<std::uint32_t> cellStart_;
  std::vector<Candidate> candidates_;
};

}  // namespace tw
