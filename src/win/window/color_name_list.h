#pragma once

#include <optional>

#include "core/names/closest_color.h"
#include "core/settings/options.h"
#include "core/names/color_list.h"
#include "win/widgets/combo_box.h"
#include "win/widgets/form.h"
#include "win/widgets/label.h"
#include "win/widgets/menu.h"
#include "win/window/color_editor.h"
#include "win/window/current_color.h"

namespace tw::win {

// The drop-down list of named colors: it names the current color, takes a
// chosen name's color, finds the closest named color, sorts eight ways and
// can show only the HTML names. Its menu is copied into the main menu.
class ColorNameList {
 public:
  ColorNameList(Form& form, CurrentColor& color, ColorEditor& editor);
  ColorNameList(const ColorNameList&) = delete;
  ColorNameList& operator=(const ColorNameList&) = delete;

  // A separator and "Color List", a copy of the list's own menu.
  void AddMenuCopy(MenuItem& mainMenu);
  // Fills and sorts the list as the menu's stored check marks say.
  void ApplyStoredChoices();
  // Selects the entry of exactly that color, or none.
  void NameColor(TColor color);

  bool HtmlOnly() const { return htmlOnly_; }
  int SortOrder() const { return sortOrder_; }
  // The stored choices, applied by the next ApplyStoredChoices.
  void RestoreHtmlOnly(bool htmlOnly) { htmlOnlyItem_->Checked = htmlOnly; }
  void RestoreSortOrder(int order) { sortOrder_ = order; }
  // The entries in the order the list shows them.
  const NamedColors& Entries() const { return entries_; }

  ComboBox& List() const { return *list_; }
  Label& Caption() const { return *caption_; }

 private:
  void CreateMenu(Form& form);
  void ToggleHtmlOnly();
  // Fills the list from the table in the present mode, sorted by `order`,
  // keeping the selected color selected if the new list has it.
  void Sort(int order);
  void CheckSortItems(int order);
  void SelectClosest();
  void TakeSelectedColor();
  void DrawEntry(const DRAWITEMSTRUCT& item) const;

  Form& form_;
  CurrentColor& color_;
  ColorEditor& editor_;
  Label* caption_;
  ComboBox* list_;
  MenuItem* findClosestItem_ = nullptr;
  MenuItem* htmlOnlyItem_ = nullptr;
  NamedColors entries_;
  std::optional<ClosestColorFinder> closestFinder_;
  bool htmlOnly_ = false;
  int sortOrder_ = Options{}.sortOrder;
};

}  // namespace tw::win
