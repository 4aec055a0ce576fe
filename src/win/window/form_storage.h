#pragma once

#include "core/settings/options.h"
#include "win/widgets/form.h"
#include "win/window/settings_storage.h"

namespace tw::win {

// Mirrors the window position and the options into the settings file. The
// position and the form's options are restored at the window's first show
// and saved at an allowed close or, if no save followed the first show, when
// the window is destroyed; the window's own options are written with them.
class FormStorage {
 public:
  FormStorage(Form& window, SettingsStorage& settings) : window_(window), settings_(settings) {}

  // Reads the form's options over `options`, unless the stored form version
  // says to keep the design. Answers whether a stored position was applied;
  // otherwise the window centres itself.
  bool Restore(Options& options);
  // Writes the form's options only once they were restored: a window that
  // never showed knows nothing of them.
  void Save(const Options& options);
  bool SavedSinceShow() const { return savedSinceShow_; }

 private:
  bool RestorePosition();
  void SavePosition();

  Form& window_;
  SettingsStorage& settings_;
  bool restored_ = false;
  bool savedSinceShow_ = false;
};

}  // namespace tw::win
