#pragma once

#include <string_view>

namespace tw {

// ASCII-only case folding: names in files and switches on the command line
// are compared this way whatever the user's locale.
char AsciiLower(char c);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace tw
