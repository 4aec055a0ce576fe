#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "check_result.h"

namespace tw::fuzz {

// The contents of every file in `folder`, in name order: the seed inputs.
std::vector<std::string> ReadFilesIn(const std::filesystem::path& folder);

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// Expects `folder` to hold exactly the files `names` and `file` to hold
// `bytes`: a reader must leave the file it read, and the folder around it,
// as they were.
void ExpectFolderHolds(CheckResult& result, const std::filesystem::path& folder,
                       std::vector<std::string> names);
void ExpectFileHolds(CheckResult& result, const std::filesystem::path& file,
                     std::string_view bytes);

}  // namespace tw::fuzz
