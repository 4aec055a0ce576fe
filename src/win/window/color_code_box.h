#pragma once

#include <string>

#include "win/widgets/button.h"
#include "win/widgets/combo_box.h"
#include "win/widgets/edit.h"
#include "win/widgets/form.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"
#include "win/window/current_color.h"

namespace tw::win {

// The color code: the current color written in the chosen notation, copied
// to the clipboard, and a typed code read back as the new color.
class ColorCodeBox {
 public:
  ColorCodeBox(Form& form, CurrentColor& color);
  ColorCodeBox(const ColorCodeBox&) = delete;
  ColorCodeBox& operator=(const ColorCodeBox&) = delete;

  // "Color Code Display" with one item per notation, and "UpperCase Color
  // Codes".
  void AddMenuItems(MenuItem& mainMenu);

  // A color's code in the chosen notation and case.
  std::wstring CodeOf(TColor color) const;
  void ShowCode(TColor color) { codeBox_->SetText(CodeOf(color)); }
  // Puts the box's text, as it stands, on the clipboard.
  void CopyCode();

  bool UpperCase() const { return upperCase_; }
  // The case as the settings file keeps it, applied at start.
  void RestoreUpperCase(bool upperCase);
  int Notation() const { return notationList_->ItemIndex(); }
  // The stored notation, before the first show writes the code.
  void RestoreNotation(int notation) { notationList_->SetItemIndex(notation); }

  Panel& Area() const { return *panel_; }
  ComboBox& NotationList() const { return *notationList_; }
  Edit& CodeEdit() const { return *codeBox_; }
  Button& CopyButton() const { return *copyButton_; }
  Button& SetButton() const { return *setButton_; }

 private:
  void ChooseNotation(int notation);
  void ToggleUpperCase();
  void SetColorFromCode();

  Form& form_;
  CurrentColor& color_;
  Panel* panel_;
  ComboBox* notationList_;
  Edit* codeBox_;
  Button* copyButton_;
  Button* setButton_;
  MenuItem* upperCaseItem_ = nullptr;
  bool upperCase_ = true;
};

}  // namespace tw::win
