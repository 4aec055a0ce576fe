#include "scratch_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace tw::fuzz {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> ReadFilesIn(const fs::path& folder) {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::directory_iterator(folder)) paths.push_back(entry.path());
  std::ranges::sort(paths);
  std::vector<std::string> contents;
  for (const fs::path& path : paths) contents.push_back(ReadBytes(path));
  return contents;
}

}  // namespace tw::fuzz
