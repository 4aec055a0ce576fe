#include "core/settings/command_line.h"

#include <algorithm>

#include "core/text/ascii_case.h"

namespace tw {

StartupOptions ParseCommandLine(const std::vector<std::string>& arguments) {
  StartupOptions options;
  for (const std::string& argument : arguments) {
    std::string lowered = argument;
    std::ranges::transform(lowered, lowered.begin(), AsciiLower);
    if (lowered == "/multi") options.singleInstance = false;
    if (lowered == "/allowclose") options.allowClose = true;
    if (lowered == "/autostart") options.autostart = true;
    if (lowered == "/notray") options.noTray = true;
    // A quoted "" is an empty argument; it is no color and must not wipe
    // one given earlier.
    if (!argument.empty() && LooksLikeColorCode(argument)) options.colorCode = argument;
  }
  if (options.noTray) {
    options.allowClose = true;
    options.autostart = false;
  }
  return options;
}

bool LooksLikeColorCode(std::string_view argument) {
  // Every accepted character is ASCII, so any byte of a multi-byte UTF-8
  // character fails, as every character above code 127 must.
  return std::ranges::all_of(argument, [](char c) {
    return c == '#' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

}  // namespace tw
