#include "core/settings/stored_properties.h"

namespace tw {
namespace {

constexpr StoredProperty kStoredProperties[] = {
    {"mempan1", PropertyForm::kColor},
    {"mempan2", PropertyForm::kColor},
    {"mempan3", PropertyForm::kColor},
    {"mempan4", PropertyForm::kColor},
    {"mempan5", PropertyForm::kColor},
    {"mempan6", PropertyForm::kColor},
    {"Cross1", PropertyForm::kChecked},
    {"Rectangle1", PropertyForm::kChecked},
    {"None1", PropertyForm::kChecked},
    {"cbxDisplay", PropertyForm::kItemIndex, 11},
    {"cbxZoom", PropertyForm::kItemIndex, 19},
    {"Off1", PropertyForm::kChecked},
    {"N3x3Average1", PropertyForm::kChecked},
    {"N5x5Average1", PropertyForm::kChecked},
    {"UseText", PropertyForm::kChecked},
    {"AlwaysonTop1", PropertyForm::kChecked},
    {"StayinSystemTray1", PropertyForm::kChecked},
    {"Showonlyhtmlcolors", PropertyForm::kChecked},
    {"FindClosestColor1", PropertyForm::kTag, 7},
    {"mempan7", PropertyForm::kColor},
    {"mempan8", PropertyForm::kColor},
    {"mempan9", PropertyForm::kColor},
    {"mempan10", PropertyForm::kColor},
    {"mempan11", PropertyForm::kColor},
    {"mempan12", PropertyForm::kColor},
};

}  // namespace

std::span<const StoredProperty> StoredProperties() { return kStoredProperties; }

std::string StoredPropertyKey(const StoredProperty& property) {
  static constexpr std::string_view kPropertyNames[] = {"Color", "Checked", "ItemIndex", "Tag"};
  return std::string(property.component) + "_" +
         std::string(kPropertyNames[static_cast<int>(property.form)]);
}

}  // namespace tw
