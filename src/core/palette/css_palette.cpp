#include "core/palette/css_palette.h"

#include "core/color/color_codes.h"

namespace tw {
namespace {

// A comment ends at the first "*/", so the name keeps its characters but
// loses that pair; a line break is harmless inside a comment.
std::string CommentText(std::string_view name) {
  std::string text;
  for (char c : name) {
    if (c == '/' && text.ends_with('*')) text += ' ';
    text += c;
  }
  return text;
}

}  // namespace

std::string FormatCssPalette(const std::vector<PaletteEntry>& entries, SysColorLookup lookup) {
  // The names are UTF-8; saying so lets a browser read them from a file.
  std::string text = "@charset \"UTF-8\";\n:root {\n";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    text.append("  --tw-").append(std::to_string(i + 1)).append(": ");
    text.append(FormatColorCode(kHtmlHex, ColorToRGB(entries[i].color, lookup), false)).append(";");
    if (!entries[i].name.empty())
      text.append(" /* ").append(CommentText(entries[i].name)).append(" */");
    text += '\n';
  }
  text += "}\n";
  return text;
}

}  // namespace tw
