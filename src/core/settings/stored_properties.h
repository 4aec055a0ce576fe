#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tw {

// How a stored property is kept in the settings file.
enum class PropertyForm { kColor, kChecked, kItemIndex, kTag };

// One control property that the settings file mirrors, under the key
// "<component>_<property>".
struct StoredProperty {
  std::string_view component;
  PropertyForm form;
  int maxValue = 0;  // list indexes and the sort order: the largest valid value
};

// The stored properties in the order in which a new settings file holds them.
std::span<const StoredProperty> StoredProperties();

std::string StoredPropertyKey(const StoredProperty& property);

}  // namespace tw
