#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "check_result.h"
#include "core/palette/palette_file.h"

namespace tw::fuzz {

// The palette files in `fixtureFolder` and one file of identifiers.
std::vector<std::string> PaletteSeeds(const std::filesystem::path& fixtureFolder);
std::vector<std::string> PaletteTokens();

// Parses `input` as a palette file and checks what came of it, and of
// writing the loaded palette again.
CheckResult CheckPaletteInput(std::string_view input);

// The palette a load of `colors` leaves over slots that held other colors:
// the loaded ones first, the rest as they were.
PaletteSlots PaletteAfterLoading(const std::vector<TColor>& colors);

}  // namespace tw::fuzz
