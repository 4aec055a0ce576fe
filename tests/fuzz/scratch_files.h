#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tw::fuzz {

// The standard library's own file access, apart from the program's file
// layer that the disk checks test.
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// The contents of every file in `folder`, in name order: the seed inputs.
std::vector<std::string> ReadFilesIn(const std::filesystem::path& folder);

}  // namespace tw::fuzz
