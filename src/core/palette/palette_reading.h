#pragma once

// Loading a palette file of any format the program reads: the bytes decide
// the format, never the file's extension.

#include <string_view>

#include "core/palette/named_palette.h"
#include "core/text/text_encoding.h"

namespace tw {

enum class PaletteFormat {
  kTintwright,  // ".plt", twelve lines of colors
  kGimp,        // ".gpl"
};

// The format whose signature `bytes` begin with; ".plt" has none, so it is
// what any other file is tried as.
PaletteFormat SniffPaletteFormat(std::string_view bytes);

// Reads the file in the sniffed format. A ".plt" file gives colors without
// names, read by its own rules (`eightBit` decodes it when it has no
// byte-order mark).
PaletteLoad ReadPaletteBytes(std::string_view bytes, const EightBitCodec& eightBit);

}  // namespace tw
