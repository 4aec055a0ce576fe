#pragma once

#include <string>

#include "win/widgets/form.h"
#include "win/window/settings_storage.h"

namespace tw::win {

// Mirrors the window position and the stored control properties (palette
// colors, check marks, list selections, the sort order) into the settings
// file: restored at the window's first show, saved at an allowed close and,
// if no save followed the first show, when the window is destroyed.
class FormStorage {
 public:
  FormStorage(Form& window, SettingsStorage& settings) : window_(window), settings_(settings) {}

  // Answers whether a stored position was applied; otherwise the window
  // centres itself.
  bool Restore();
  void Save();
  bool SavedSinceShow() const { return savedSinceShow_; }

 private:
  bool RestorePosition();
  void RestoreProperties();
  void SavePosition();
  void SaveProperties();

  Form& window_;
  SettingsStorage& settings_;
  bool restored_ = false;
  bool savedSinceShow_ = false;
  std::string storedValue_;  // the storage's own value, kept as read
};

}  // namespace tw::win
