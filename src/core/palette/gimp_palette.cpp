#include "core/palette/gimp_palette.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/color/integer_text.h"
#include "core/text/text_encoding.h"

namespace tw {
namespace {

constexpr std::string_view kMagic = "GIMP Palette";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view WithoutBom(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  return bytes;
}

// The next line without its LF or CR LF; `text` moves past it.
std::string_view NextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

// A run of decimal digits after optional blanks, saturated at 256 so a long
// run cannot overflow; `line` moves past it. Nothing when no digit follows.
std::optional<int> ReadChannel(std::string_view& line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  std::size_t digits = 0;
  int value = 0;
  while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
    value = std::min(value * 10 + (line[digits] - '0'), 256);
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  line.remove_prefix(digits);
  return std::min(value, 255);
}

bool IsHeaderLine(std::string_view line) {
  return line.starts_with("Name:") || line.starts_with("Columns:") || line.starts_with('#');
}

// A name on one line with no blanks at its ends: what is written, and what a
// read keeps, so that a name read back is the name that was written.
std::string OneLineName(std::string_view name) {
  std::string line(name);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
  return std::string(TrimControlAndBlanks(line));
}

void AppendChannel(std::string& text, int channel) {
  const std::string digits = std::to_string(channel);
  text.append(3 - digits.size(), ' ').append(digits);
}

}  // namespace

std::string FormatGimpPalette(const std::vector<PaletteEntry>& entries, std::string_view title,
                              SysColorLookup lookup) {
  std::string text(kMagic);
  text.append("\nName: ").append(OneLineName(title)).append("\nColumns: 6\n#\n");
  for (const PaletteEntry& entry : entries) {
    const TColor rgb = ColorToRGB(entry.color, lookup);
    AppendChannel(text, RedOf(rgb));
    text += ' ';
    AppendChannel(text, GreenOf(rgb));
    text += ' ';
    AppendChannel(text, BlueOf(rgb));
    text.append("\t").append(OneLineName(entry.name)).append("\n");
  }
  return text;
}

bool LooksLikeGimpPalette(std::string_view bytes) {
  std::string_view text = WithoutBom(bytes);
  return TrimControlAndBlanks(NextLine(text)) == kMagic;
}

PaletteLoad ParseGimpPalette(std::string_view bytes) {
  if (bytes.size() > kMaxNamedPaletteBytes) return TooLargeForPalette();
  if (!LooksLikeGimpPalette(bytes)) {
    return PaletteLoad::Failure("The file does not begin with the line \"GIMP Palette\".");
  }
  std::string_view text = WithoutBom(bytes);
  NextLine(text);
  PaletteCollector collector;
  while (!text.empty()) {
    std::string_view line = NextLine(text);
    if (TrimControlAndBlanks(line).empty() || IsHeaderLine(line)) continue;
    std::array<int, 3> channels{};
    bool complete = true;
    for (int& channel : channels) {
      const std::optional<int> value = ReadChannel(line);
      complete = complete && value.has_value();
      if (value) channel = *value;
    }
    if (!complete || (!line.empty() && !IsBlank(line.front()))) {
      collector.Skip();
      continue;
    }
    collector.Add(MakeColor(channels[0], channels[1], channels[2]),
                  OneLineName(WellFormedUtf8(line)));
  }
  return collector.Result();
}

}  // namespace tw
