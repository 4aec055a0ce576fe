#pragma once

#include <string>

#include "core/settings/ini_file.h"
#include "win/platform/ansi_codec.h"

namespace tw::win {

// The settings file "Tintwright.ini": read once when the main window is
// created, changed only in memory during the run, and written once, when the
// storage is destroyed at exit. A file that was read-only when it was read is
// never written.
class SettingsStorage {
 public:
  static constexpr const char* kSection = "Tintwright";

  // The file's 8-bit text is in the system's code page unless `codec` says
  // otherwise.
  explicit SettingsStorage(std::wstring file, AnsiCodec codec = AnsiCodec());
  SettingsStorage(const SettingsStorage&) = delete;
  SettingsStorage& operator=(const SettingsStorage&) = delete;
  ~SettingsStorage();

  void SetWriteOnDestroy(bool write) { writeOnDestroy_ = write; }
  // Writes the whole file now, unless it was read-only; answers success. A
  // text that cannot be converted leaves the file as it is.
  bool WriteFile() const;

  // The whole file: the options and the position are read from it and
  // written to it.
  IniFile& File() { return ini_; }

 private:
  std::wstring file_;
  AnsiCodec codec_;
  IniFile ini_;
  bool readOnlyAtLoad_ = false;
  bool writeOnDestroy_ = false;
};

// "Tintwright.ini" in the folder of the program file.
std::wstring SettingsFileBesideProgram();

}  // namespace tw::win
