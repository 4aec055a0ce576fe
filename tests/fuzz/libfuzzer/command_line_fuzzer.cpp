// The input is a command line, its arguments separated by NUL bytes. The
// switches' effects do not depend on their order or on what else is given,
// and the color code taken is the last argument that looks like one.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/command_line.h"
#include "fuzz_expect.h"

namespace tw::fuzz {
namespace {

std::vector<std::string> SplitAtNul(std::string_view input) {
  std::vector<std::string> arguments;
  while (true) {
    const std::size_t end = input.find('\0');
    arguments.emplace_back(input.substr(0, end));
    if (end == std::string_view::npos) return arguments;
    input.remove_prefix(end + 1);
  }
}

bool SameSwitches(const StartupOptions& a, const StartupOptions& b) {
  return a.singleInstance == b.singleInstance && a.allowClose == b.allowClose &&
         a.autostart == b.autostart && a.noTray == b.noTray;
}

void CheckColorCode(const StartupOptions& options, const std::vector<std::string>& arguments) {
  const auto last = std::find_if(arguments.rbegin(), arguments.rend(), [](const std::string& a) {
    return !a.empty() && LooksLikeColorCode(a);
  });
  Expect(options.colorCode == (last == arguments.rend() ? std::string() : *last),
         "the color code is not the last color-like argument");
}

void CheckInput(std::string_view input) {
  std::vector<std::string> arguments = SplitAtNul(input);
  const StartupOptions options = ParseCommandLine(arguments);
  CheckColorCode(options, arguments);
  if (options.noTray) {
    Expect(options.allowClose && !options.autostart, "no tray yet closing hides or autostarts");
    Expect(!options.RunsSingleInstanceCheck(), "no tray yet the instance check runs");
  }

  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  Expect(SameSwitches(ParseCommandLine(reversed), options), "the switches depend on their order");

  arguments.push_back("/MuLtI");
  const StartupOptions multi = ParseCommandLine(arguments);
  Expect(!multi.singleInstance && !multi.RunsSingleInstanceCheck(), "\"/multi\" is not seen");
  Expect(multi.allowClose == options.allowClose && multi.autostart == options.autostart &&
             multi.noTray == options.noTray && multi.colorCode == options.colorCode,
         "\"/multi\" changes another switch");
}

}  // namespace
}  // namespace tw::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tw::fuzz::CheckInput(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
