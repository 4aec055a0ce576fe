#include "palette_checks.h"

#include <algorithm>

#include "core/color/color_idents.h"
#include "core/palette/palette_line.h"
#include "scratch_files.h"

namespace tw::fuzz {
namespace {

namespace fs = std::filesystem;

using Load = Converted<std::vector<TColor>>;

const Windows1252Codec kCodec;

constexpr std::string_view kNotAColor = "' is not a valid integer value";
constexpr std::string_view kMissingLine = "List index out of bounds (";

std::string Outcome(const Load& load) {
  if (load.ok()) return load.value().size() == kPaletteSlotCount ? "loaded 12" : "loaded 6-11";
  return load.error().starts_with(kMissingLine) ? "refused: missing line" : "refused: no color";
}

// A refusal names one of the six required lines, or quotes a text that
// really is no color.
bool IsSoundRefusal(std::string_view error) {
  if (error.starts_with(kMissingLine)) {
    const std::string_view index = error.substr(kMissingLine.size());
    return index.size() == 2 && index[0] >= '0' && index[0] <= '5' && index[1] == ')';
  }
  if (error.size() < kNotAColor.size() + 1 || !error.starts_with('\'') ||
      !error.ends_with(kNotAColor)) {
    return false;
  }
  return !StringToColor(error.substr(1, error.size() - 1 - kNotAColor.size())).ok();
}

// Twelve lines of printable ASCII, each ended by CR LF.
bool IsWrittenForm(std::string_view text) {
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      ++lines;
      ++i;
    } else if (text[i] < ' ' || text[i] > '~') {
      return false;
    }
  }
  return lines == kPaletteSlotCount && text.ends_with("\r\n");
}

// The loaded palette formats to the written form and reads back as it was.
void CheckLoadedPalette(CheckResult& result, const std::vector<TColor>& colors) {
  result.Expect(colors.size() >= kRequiredPaletteLines && colors.size() <= kPaletteSlotCount,
                "loaded " + std::to_string(colors.size()) + " slots");
  const PaletteSlots slots = PaletteAfterLoading(colors);
  const std::string text = FormatPaletteFile(slots);
  result.Expect(IsWrittenForm(text), "the written file is not twelve ASCII CR LF lines");
  const Load reread = ParsePaletteFile(text, kCodec);
  result.Expect(reread.ok() && std::ranges::equal(reread.value(), slots),
                "the written palette does not read back");
}

}  // namespace

PaletteSlots PaletteAfterLoading(const std::vector<TColor>& colors) {
  PaletteSlots slots{};
  for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = MakeColor(i, 2 * i, 3 * i);
  std::copy_n(colors.begin(), std::min(colors.size(), slots.size()), slots.begin());
  return slots;
}

std::vector<std::string> PaletteSeeds(const fs::path& fixtureFolder) {
  std::vector<std::string> seeds = ReadFilesIn(fixtureFolder);
  std::string idents;
  for (const ColorIdent& ident : ColorIdents()) idents += std::string(ident.name) + "\r\n";
  seeds.push_back(idents);
  return seeds;
}

std::vector<std::string> PaletteTokens() {
  return {"clLime",     "CLBTNFACE",   "clNone",     "$",   "0x",   "x",        "$FFFFFFFF",
          "$100000000", "-2147483648", "2147483648", "-$1", "+",    "-",        " ",
          "#00FF00",    "\r\n",        "\r",         "\n",  "\n\r", "$00A100F4"};
}

CheckResult CheckPaletteInput(std::string_view input) {
  CheckResult result;
  const Load load = ParsePaletteFile(input, kCodec);
  result.outcome = Outcome(load);
  if (load.ok()) {
    CheckLoadedPalette(result, load.value());
  } else {
    result.Expect(IsSoundRefusal(load.error()), "unexpected refusal: " + load.error());
  }
  return result;
}

}  // namespace tw::fuzz
