#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tw {

// What the command line asks of this start. The values are final: the
// effects of "/notray" (close exits, "/autostart" cancelled) are applied.
struct StartupOptions {
  bool singleInstance = true;  // false after "/multi"
  bool allowClose = false;     // "/allowclose" or "/notray"
  bool autostart = false;      // "/autostart" unless "/notray"
  bool noTray = false;         // "/notray"
  std::string colorCode;       // the last color-like argument, as typed

  // "/multi" and "/notray" starts neither check for nor register as an
  // instance.
  bool RunsSingleInstanceCheck() const { return singleInstance && !noTray; }
};

// `arguments` holds every argument, the program path at index 0 included,
// as UTF-8.
StartupOptions ParseCommandLine(const std::vector<std::string>& arguments);

// True when every character is "#", a digit or a hexadecimal letter.
bool LooksLikeColorCode(std::string_view argument);

}  // namespace tw
