#pragma once

#include <string>
#include <string_view>

namespace tw {

// The form storage keeps one value of its own in the settings file, each
// byte XOR-ed with a fixed 11-character key and written as two lower-case
// hexadecimal digits.
std::string EncodeStoredValue(std::string_view text);
// The reverse. Any text decodes without failing: a pair that is no
// hexadecimal number and an odd last digit are passed over.
std::string DecodeStoredValue(std::string_view encoded);

}  // namespace tw
