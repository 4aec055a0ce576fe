#include "win/window/settings_storage.h"

#include "win/platform/files.h"

namespace tw::win {
namespace {

using win::FileReadResult;
using win::FileReadStatus;

// Far above any real settings file; a larger one is not ours to load.
constexpr std::uint64_t kMaxSettingsBytes = 16 * 1024 * 1024;

}  // namespace

SettingsStorage::SettingsStorage(std::wstring file, AnsiCodec codec)
    : file_(std::move(file)), codec_(codec) {
  readOnlyAtLoad_ = win::IsReadOnlyFile(file_);
  const FileReadResult read = win::ReadWholeFile(file_, kMaxSettingsBytes);
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
  const std::optional<std::string> bytes = ini_.Serialize(codec_);
  return bytes && win::WriteFileAtomically(file_, *bytes).ok;
}

std::wstring SettingsFileBesideProgram() { return win::PathBesideProgram(L"Tintwright.ini"); }

}  // namespace tw::win
