#pragma once

// Loading and saving palette files on disk. The caller shows a returned error
// report in the application's default error message box.

#include <optional>
#include <string>
#include <vector>

#include "core/palette/palette_file.h"
#include "core/text/converted.h"
#include "core/text/text_encoding.h"

namespace tw::win {

// Reads the first kMaxPaletteFileBytes bytes of the file and parses them as
// ParsePaletteFile does. A file that cannot be read gives
// "Cannot open file "<path>". <reason>".
Converted<std::vector<TColor>> LoadPaletteFile(const std::wstring& path,
                                               const EightBitCodec& eightBit);

// Writes the twelve slots through a temporary file and a rename, so a failed
// save leaves the old file whole. Nothing on success; otherwise
// "Cannot create file "<path>". <reason>".
std::optional<std::string> SavePaletteFile(const std::wstring& path, const PaletteSlots& slots);

}  // namespace tw::win
