#pragma once

#include <string>
#include <vector>

namespace tw::fuzz {

inline constexpr const char* kSettingsSection = "Tintwright";

enum class ValueForm { kInteger, kBoolean, kColor, kPosition, kString };

struct SettingsKey {
  std::string name;
  ValueForm form;
};

// Every key the program reads from its settings file, with its form.
std::vector<SettingsKey> SettingsKeys();

}  // namespace tw::fuzz
