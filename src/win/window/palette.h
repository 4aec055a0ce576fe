#pragma once

#include <array>
#include <string>

#include "win/widgets/button.h"
#include "win/widgets/form.h"
#include "win/widgets/label.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"
#include "win/window/color_code_box.h"
#include "win/window/color_frame.h"
#include "win/window/current_color.h"
#include "win/window/design/controls.h"

namespace tw::win {

// Twelve slots that keep colors, and the palette files they are saved to and
// loaded from. A left click takes a slot's color, a middle click stores the
// current color in it, a double click copies its code, a right click opens
// its menu.
class Palette {
 public:
  Palette(Form& form, CurrentColor& color, ColorCodeBox& codeBox, ColorFrame& frame);
  Palette(const Palette&) = delete;
  Palette& operator=(const Palette&) = delete;

  // The file name of the palette last loaded or saved; empty when none.
  const std::wstring& Name() const { return name_; }
  // Whether a slot of that named palette has changed since.
  bool ChangedSinceNamed() const { return changedSinceNamed_; }
  // The name the settings file keeps, read at start.
  void RestoreName(std::wstring name);
  // The name to keep at exit: a changed palette is not remembered by name.
  std::wstring NameToKeep() const { return changedSinceNamed_ ? std::wstring() : name_; }

  // Each slot's hint is its code in the chosen notation.
  void RefreshHints();
  // Hints stay off while the eyedropper runs over the slots.
  void SetHintsShown(bool shown);
  // "Set as Text Color" is offered only while the frame shows its text.
  void OfferTextColor(bool offered) { textColorItem_->Enabled = offered; }

  Panel& Area() const { return *panel_; }
  Panel& Slot(int index) const { return *slots_[static_cast<size_t>(index)]; }
  Label& NameLabel() const { return *nameLabel_; }
  Label& ChangedMark() const { return *changedMark_; }
  Button& LoadButton() const { return *loadButton_; }
  Button& SaveButton() const { return *saveButton_; }
  PopupMenu& SlotMenu() const { return *slotMenu_; }

 private:
  void CreateControls(Form& form);
  void CreateSlotMenu(Form& form);
  void OnSlotPressed(Panel& slot, MouseButton button);
  void StoreCurrentColor(Panel& slot);
  void ShowHint(Panel& slot);
  // The slot on which the slot menu was opened.
  Panel& SlotOfMenu() const;
  void ShowName(const std::wstring& file);
  void Load();
  void Save();

  Form& form_;
  CurrentColor& color_;
  ColorCodeBox& codeBox_;
  ColorFrame& frame_;
  Panel* panel_ = nullptr;
  std::array<Panel*, design::kSlotCount> slots_{};
  Label* nameLabel_ = nullptr;
  Label* changedMark_ = nullptr;
  Button* loadButton_ = nullptr;
  Button* saveButton_ = nullptr;
  PopupMenu* slotMenu_ = nullptr;
  MenuItem* textColorItem_ = nullptr;
  std::wstring name_;
  bool changedSinceNamed_ = false;
};

}  // namespace tw::win
