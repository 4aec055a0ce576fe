// A palette file is read; a refusal must name a real fault of the file, and
// a palette that loads is written and read back to the same twelve colors.
// The checks are the seeded mutation run's own.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_expect.h"
#include "palette_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw::fuzz;
  ExpectNoFindings(CheckPaletteInput(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
