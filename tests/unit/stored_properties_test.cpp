#include "core/settings/stored_properties.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

// The keys other programs find in the settings file, in file order.
TEST(StoredProperties, KeysFollowTheSettingsFileOrder) {
  const std::vector<std::string> expected = {"mempan1_Color",
                                             "mempan2_Color",
                                             "mempan3_Color",
                                             "mempan4_Color",
                                             "mempan5_Color",
                                             "mempan6_Color",
                                             "Cross1_Checked",
                                             "Rectangle1_Checked",
                                             "None1_Checked",
                                             "cbxDisplay_ItemIndex",
                                             "cbxZoom_ItemIndex",
                                             "Off1_Checked",
                                             "N3x3Average1_Checked",
                                             "N5x5Average1_Checked",
                                             "UseText_Checked",
                                             "AlwaysonTop1_Checked",
                                             "StayinSystemTray1_Checked",
                                             "Showonlyhtmlcolors_Checked",
                                             "FindClosestColor1_Tag",
                                             "mempan7_Color",
                                             "mempan8_Color",
                                             "mempan9_Color",
                                             "mempan10_Color",
                                             "mempan11_Color",
                                             "mempan12_Color"};
  std::vector<std::string> keys;
  for (const StoredProperty& property : StoredProperties())
    keys.push_back(StoredPropertyKey(property));
  EXPECT_EQ(keys, expected);
}

TEST(StoredProperties, IndexesAndTheSortOrderHaveTheirRanges) {
  for (const StoredProperty& property : StoredProperties()) {
    const std::string key = StoredPropertyKey(property);
    if (key == "cbxDisplay_ItemIndex") EXPECT_EQ(property.maxValue, 11);
    if (key == "cbxZoom_ItemIndex") EXPECT_EQ(property.maxValue, 19);
    if (key == "FindClosestColor1_Tag") EXPECT_EQ(property.maxValue, 7);
  }
}

}  // namespace
}  // namespace tw
