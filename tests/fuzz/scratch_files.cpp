#include "scratch_files.h"

#include <algorithm>
#include <fstream>

#include "core/settings/atomic_file.h"

namespace tw::fuzz {

namespace fs = std::filesystem;

std::vector<std::string> ReadFilesIn(const fs::path& folder) {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::directory_iterator(folder)) paths.push_back(entry.path());
  std::ranges::sort(paths);
  std::vector<std::string> contents;
  for (const fs::path& path : paths) contents.push_back(ReadWholeFile(path, 1 << 20).bytes);
  return contents;
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void ExpectFolderHolds(CheckResult& result, const fs::path& folder,
                       std::vector<std::string> names) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    found.push_back(entry.path().filename().string());
  }
  std::ranges::sort(found);
  std::ranges::sort(names);
  result.Expect(found == names, "unexpected files in " + folder.string());
}

void ExpectFileHolds(CheckResult& result, const fs::path& file, std::string_view bytes) {
  const FileReadResult read = ReadWholeFile(file, bytes.size());
  result.Expect(read.status == FileReadStatus::kOk && read.bytes == bytes,
                file.filename().string() + " was changed");
}

}  // namespace tw::fuzz
