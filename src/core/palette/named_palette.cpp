#include "core/palette/named_palette.h"

#include <utility>

namespace tw {

void PaletteCollector::Add(TColor color, std::string name) {
  if (read_.entries.size() == kPaletteSlotCount) {
    ++read_.leftOut;
    return;
  }
  read_.entries.push_back({color, std::move(name)});
}

PaletteLoad TooLargeForPalette() {
  return PaletteLoad::Failure("The file is larger than " +
                              std::to_string(kMaxNamedPaletteBytes / 1024) +
                              " KB, too large for a palette.");
}

}  // namespace tw
