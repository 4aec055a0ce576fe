// The form storage's own value: any stored text decodes without failing, and
// any value (a palette file name) comes back unchanged after being encoded,
// written into a settings file and read from it again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/ini_file.h"
#include "core/settings/stored_value_codec.h"
#include "fuzz_expect.h"

namespace tw::fuzz {
namespace {

bool IsLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

void CheckInput(std::string_view input) {
  Expect(DecodeStoredValue(input).size() <= input.size() / 2, "decoded text outgrows its pairs");

  const std::string encoded = EncodeStoredValue(input);
  Expect(encoded.size() == 2 * input.size(), "not two digits a byte");
  for (const char c : encoded) Expect(IsLowerHex(c), "encoded text is not lower-case hex");
  Expect(DecodeStoredValue(encoded) == input, "a value does not decode to itself");

  const Windows1252Codec codec;
  IniFile settings;
  settings.WriteString("Tintwright", "palettename", encoded);
  const IniFile reread = IniFile::Parse(settings.Serialize(codec).value(), codec);
  Expect(DecodeStoredValue(reread.ReadString("Tintwright", "palettename", "")) == input,
         "a value does not survive the settings file");
}

}  // namespace
}  // namespace tw::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tw::fuzz::CheckInput(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
