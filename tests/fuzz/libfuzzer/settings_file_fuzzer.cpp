// A settings file is read, written and read again: the second reading holds
// the same sections, keys and values, and every key of the program reads in
// its form to a value that survives being written back. The checks are the
// seeded mutation run's own.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_expect.h"
#include "settings_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tw::fuzz;
  ExpectNoFindings(CheckSettingsInput(std::string_view(reinterpret_cast<const char*>(data), size)));
  return 0;
}
