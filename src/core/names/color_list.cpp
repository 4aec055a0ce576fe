#include "core/names/color_list.h"

#include <cstddef>

namespace tw {

NamedColors TableEntries(bool htmlOnly) {
  const std::span<const NamedColor> table = htmlOnly ? HTMLColorTable() : ColorNameTable();
  return NamedColors(table.begin(), table.end());
}

ExactName FindExactName(std::span<const NamedColor> items, int selected, TColor color) {
  if (selected >= 0 && static_cast<std::size_t>(selected) < items.size() &&
      items[selected].value == color) {
    return {selected, true};
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].value == color) return {static_cast<int>(i), false};
  }
  return {-1, false};
}

}  // namespace tw
