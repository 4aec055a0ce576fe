#pragma once

// A palette as the formats with names carry it: colors in slot order, each
// with a UTF-8 name that may be empty, and what a read had to leave behind.

#include <cstddef>
#include <string>
#include <vector>

#include "core/color/tcolor.h"
#include "core/palette/palette_file.h"
#include "core/text/converted.h"

namespace tw {

// Formats other than ".plt" are refused above this size rather than cut:
// a cut binary file would look damaged, and no real palette comes near it.
inline constexpr std::size_t kMaxNamedPaletteBytes = 1024 * 1024;

struct PaletteEntry {
  TColor color = 0;
  std::string name;  // UTF-8; empty when the entry has none
  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// A file read completely: at most kPaletteSlotCount entries for slots 1, 2,
// … in order (the slots after the last keep their colors), how many colors
// came after the twelfth, and how many entries had no color the program can
// show.
struct PaletteRead {
  std::vector<PaletteEntry> entries;
  std::size_t leftOut = 0;
  std::size_t skipped = 0;
  friend bool operator==(const PaletteRead&, const PaletteRead&) = default;
};

// The read palette, or the one-line reason the bytes are no palette.
using PaletteLoad = Converted<PaletteRead>;

// Collects entries in file order, keeping the first twelve and counting the
// rest, so a parser never holds more than a palette's worth of names.
class PaletteCollector {
 public:
  void Add(TColor color, std::string name);
  void Skip() { ++read_.skipped; }
  const PaletteRead& Result() const { return read_; }

 private:
  PaletteRead read_;
};

// The refusal every format gives for a file above kMaxNamedPaletteBytes.
PaletteLoad TooLargeForPalette();

}  // namespace tw
