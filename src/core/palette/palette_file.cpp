#include "core/palette/palette_file.h"

#include "core/palette/palette_line.h"

namespace tw {
namespace {

// At most `count` lines, ended by CR LF, LF or a lone CR. A break at the very
// end starts no further line, so "a\r\n" is one line and "" none.
std::vector<std::string_view> FirstLines(std::string_view text, std::size_t count) {
  std::vector<std::string_view> lines;
  while (!text.empty() && lines.size() < count) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const std::size_t breakLength = text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
    text.remove_prefix(end + breakLength);
  }
  return lines;
}

using ColorsOrError = Converted<std::vector<TColor>>;

}  // namespace

std::string FormatPaletteFile(const PaletteSlots& slots) {
  std::string text;
  for (TColor color : slots) text += ColorToString(color) + "\r\n";
  return text;
}

ColorsOrError ParsePaletteFile(std::string_view bytes, const EightBitCodec& eightBit) {
  const DecodedText decoded = DecodeText(bytes.substr(0, kMaxPaletteFileBytes), eightBit);
  const std::vector<std::string_view> lines = FirstLines(decoded.utf8, kPaletteSlotCount);
  // Everything is converted before anything is applied, so a refused file
  // never leaves the palette half overwritten.
  std::vector<TColor> colors;
  for (std::size_t index = 0; index < kPaletteSlotCount; ++index) {
    const bool required = index < kRequiredPaletteLines;
    if (index >= lines.size()) {
      if (!required) break;
      return ColorsOrError::Failure("List index out of bounds (" + std::to_string(index) + ")");
    }
    const Converted<TColor> color = StringToColor(lines[index]);
    if (!color.ok()) {
      if (!required) break;
      return ColorsOrError::Failure(color.error());
    }
    colors.push_back(color.value());
  }
  return colors;
}

}  // namespace tw
