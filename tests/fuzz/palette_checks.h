#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "check_result.h"

namespace tw::fuzz {

// The palette files in `fixtureFolder` and one file of identifiers.
std::vector<std::string> PaletteSeeds(const std::filesystem::path& fixtureFolder);
std::vector<std::string> PaletteTokens();

// Parses `input` as a palette file, from memory and from a file in the
// empty `folder`, and checks what came of it.
CheckResult CheckPaletteInput(std::string_view input, const std::filesystem::path& folder);

}  // namespace tw::fuzz
