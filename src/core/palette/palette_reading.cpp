#include "core/palette/palette_reading.h"

#include "core/palette/gimp_palette.h"

namespace tw {
namespace {

PaletteLoad ReadTintwrightPalette(std::string_view bytes, const EightBitCodec& eightBit) {
  const Converted<std::vector<TColor>> colors = ParsePaletteFile(bytes, eightBit);
  if (!colors.ok()) return PaletteLoad::Failure(colors.error());
  PaletteRead read;
  for (TColor color : colors.value()) read.entries.push_back({color, {}});
  return read;
}

}  // namespace

PaletteFormat SniffPaletteFormat(std::string_view bytes) {
  if (LooksLikeGimpPalette(bytes)) return PaletteFormat::kGimp;
  return PaletteFormat::kTintwright;
}

PaletteLoad ReadPaletteBytes(std::string_view bytes, const EightBitCodec& eightBit) {
  switch (SniffPaletteFormat(bytes)) {
    case PaletteFormat::kGimp:
      return ParseGimpPalette(bytes);
    case PaletteFormat::kTintwright:
      break;
  }
  return ReadTintwrightPalette(bytes, eightBit);
}

}  // namespace tw
