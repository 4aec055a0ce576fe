#pragma once

// The checks of an input on disk. They go through the program's Win32 file
// layer, so only the Windows build of the run has them, run under Wine.

#include <filesystem>
#include <string_view>

#include "check_result.h"

namespace tw::fuzz {

// Loads `input` from a palette file in the empty `folder`: the same answer
// as parsing the bytes, the file left as it was. A palette that loads is
// saved beside it as exactly its formatted text. Nothing else appears in
// the folder.
void CheckPaletteOnDisk(CheckResult& result, std::string_view input,
                        const std::filesystem::path& folder);

// Reads `input` from a settings file in the empty `folder` as the settings
// storage does: exactly the bytes, and nothing left behind.
void CheckSettingsOnDisk(CheckResult& result, std::string_view input,
                         const std::filesystem::path& folder);

}  // namespace tw::fuzz
