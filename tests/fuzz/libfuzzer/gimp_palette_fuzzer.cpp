// A GIMP palette is read; one that loads holds at most twelve entries, and
// writing those and reading the file back gives the same colors and names
// with nothing left out or skipped.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/palette/gimp_palette.h"
#include "fuzz_expect.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw;
  const PaletteLoad load =
      ParseGimpPalette(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!load.ok()) {
    fuzz::Expect(!load.error().empty(), "a refusal says why");
    return 0;
  }
  const PaletteRead& read = load.value();
  fuzz::Expect(read.entries.size() <= kPaletteSlotCount, "no more entries than slots");
  const PaletteLoad again = ParseGimpPalette(FormatGimpPalette(read.entries, "fuzz"));
  fuzz::Expect(again.ok(), "a written palette reads back");
  fuzz::Expect(again.value() == PaletteRead{read.entries, 0, 0},
               "the same colors and names read back");
  return 0;
}
