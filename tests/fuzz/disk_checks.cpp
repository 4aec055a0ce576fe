#include "disk_checks.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/palette/palette_file.h"
#include "palette_checks.h"
#include "scratch_files.h"
#include "win/platform/files.h"
#include "win/window/palette_file_io.h"

namespace tw::fuzz {
namespace {

namespace fs = std::filesystem;

using Load = Converted<std::vector<TColor>>;

// What the settings storage allows itself to read.
constexpr std::uint64_t kMaxSettingsBytes = 16 * 1024 * 1024;

const Windows1252Codec kCodec;

bool SameLoad(const Load& a, const Load& b) {
  if (a.ok() != b.ok()) return false;
  return a.ok() ? a.value() == b.value() : a.error() == b.error();
}

// A reader must leave the file it read, and the folder around it, as they
// were; a writer must leave nothing but its file.
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
  result.Expect(ReadBytes(file) == bytes,
                file.filename().string() + " does not hold what it should");
}

}  // namespace

void CheckPaletteOnDisk(CheckResult& result, std::string_view input, const fs::path& folder) {
  const fs::path file = folder / "input.plt";
  WriteBytes(file, input);
  const Load load = ParsePaletteFile(input, kCodec);
  result.Expect(SameLoad(win::LoadPaletteFile(file, kCodec), load), "loading from disk differs");
  ExpectFileHolds(result, file, input);
  ExpectFolderHolds(result, folder, {"input.plt"});
  if (load.ok()) {
    const PaletteSlots slots = PaletteAfterLoading(load.value());
    const fs::path saved = folder / "saved.plt";
    const std::optional<std::string> error = win::SavePaletteFile(saved, slots);
    result.Expect(!error.has_value(), "saving failed: " + error.value_or(""));
    ExpectFileHolds(result, saved, FormatPaletteFile(slots));
    ExpectFolderHolds(result, folder, {"input.plt", "saved.plt"});
    fs::remove(saved);
  }
  fs::remove(file);
}

void CheckSettingsOnDisk(CheckResult& result, std::string_view input, const fs::path& folder) {
  const fs::path file = folder / "Tintwright.ini";
  WriteBytes(file, input);
  const win::FileReadResult read = win::ReadWholeFile(file, kMaxSettingsBytes);
  result.Expect(read.status == win::FileReadStatus::kOk && read.bytes == input,
                "reading from disk differs");
  ExpectFolderHolds(result, folder, {"Tintwright.ini"});
  fs::remove(file);
}

}  // namespace tw::fuzz
