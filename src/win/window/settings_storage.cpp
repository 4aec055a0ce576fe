#include "win/window/settings_storage.h"

#include <windows.h>

#include "core/settings/atomic_file.h"

namespace tw::win {
namespace {

// Far above any real settings file; a larger one is not ours to load.
constexpr std::uintmax_t kMaxSettingsBytes = 16 * 1024 * 1024;

}  // namespace

SettingsStorage::SettingsStorage(std::filesystem::path file) : file_(std::move(file)) {
  readOnlyAtLoad_ = IsReadOnlyFile(file_);
  const FileReadResult read = ReadWholeFile(file_, kMaxSettingsBytes);
  if (read.status == FileReadStatus::kOk) {
    ini_ = IniFile::Parse(read.bytes, codec_);
  } else if (read.status != FileReadStatus::kNotFound) {
    // A settings file we could not read must not be replaced by defaults.
    readOnlyAtLoad_ = true;
  }
}

SettingsStorage::~SettingsStorage() {
  if (writeOnDestroy_) WriteFile();
}

bool SettingsStorage::WriteFile() const {
  if (readOnlyAtLoad_) return false;
  return WriteFileAtomically(file_, ini_.Serialize(codec_)).ok;
}

std::filesystem::path SettingsFileBesideProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return std::filesystem::path(path).parent_path() / L"Tintwright.ini";
}

}  // namespace tw::win
