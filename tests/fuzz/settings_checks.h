#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "check_result.h"

namespace tw::fuzz {

// The settings files in `fixtureFolder` and two files holding every key of
// the program, one written by IniFile and one in looser hand-written forms.
std::vector<std::string> SettingsSeeds(const std::filesystem::path& fixtureFolder);
std::vector<std::string> SettingsTokens();

// Parses `input` as a settings file, reads every key of the program in its
// form and feeds each raw line to the value readers.
CheckResult CheckSettingsInput(std::string_view input);

}  // namespace tw::fuzz
