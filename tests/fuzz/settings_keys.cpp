#include "settings_keys.h"

namespace tw::fuzz {

std::vector<SettingsKey> SettingsKeys() {
  using enum ValueForm;
  std::vector<SettingsKey> keys = {
      {"FormVersion", kInteger},
      {"Flags", kInteger},
      {"PixelsPerInch", kInteger},
      {"MinMaxPos(1920x1080)", kPosition},
      {"MinMaxPos", kPosition},
      {"NormPos(1920x1080)", kPosition},
      {"NormPos", kPosition},
      {"Cross1_Checked", kBoolean},
      {"Rectangle1_Checked", kBoolean},
      {"None1_Checked", kBoolean},
      {"cbxDisplay_ItemIndex", kInteger},
      {"cbxZoom_ItemIndex", kInteger},
      {"Off1_Checked", kBoolean},
      {"N3x3Average1_Checked", kBoolean},
      {"N5x5Average1_Checked", kBoolean},
      {"UseText_Checked", kBoolean},
      {"AlwaysonTop1_Checked", kBoolean},
      {"StayinSystemTray1_Checked", kBoolean},
      {"Showonlyhtmlcolors_Checked", kBoolean},
      {"FindClosestColor1_Tag", kInteger},
      {"palettename", kString},
      {"showtitle", kBoolean},
      {"uppercase", kBoolean},
      {"layout", kInteger},
  };
  for (int slot = 1; slot <= 12; ++slot) {
    keys.push_back({"mempan" + std::to_string(slot) + "_Color", kColor});
  }
  return keys;
}

}  // namespace tw::fuzz
