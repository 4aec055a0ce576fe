#include "core/names/color_list.h"

#include <cstddef>

namespace tw {

TRColorArray FillColorArray(bool htmlList) {
  const std::span<const RColor> table = htmlList ? HTMLColorTable() : ColorNameTable();
  return TRColorArray(table.begin(), table.end());
}

ExactName FindExactName(std::span<const RColor> items, int selected, TColor color) {
  if (selected >= 0 && static_cast<std::size_t>(selected) < items.size() &&
      items[selected].Value == color) {
    return {selected, true};
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].Value == color) return {static_cast<int>(i), false};
  }
  return {-1, false};
}

}  // namespace tw
