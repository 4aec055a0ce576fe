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

  Converted<bool> ReadBool(const char* key, bool defaultValue) const {
    return ini_.ReadBool(kSection, key, defaultValue);
  }
  Converted<std::int32_t> ReadInteger(const char* key, std::int32_t defaultValue) const {
    return ini_.ReadInteger(kSection, key, defaultValue);
  }
  std::string ReadString(const char* key, const std::string& defaultValue) const {
    return ini_.ReadString(kSection, key, defaultValue);
  }
  void WriteBool(const char* key, bool value) { ini_.WriteBool(kSection, key, value); }
  void WriteInteger(const char* key, std::int32_t value) {
    ini_.WriteInteger(kSection, key, value);
  }
  void WriteString(const char* key, const std::string& value) {
    ini_.WriteString(kSection, key, value);
  }
  // The whole file, for the form storage's own keys.
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
