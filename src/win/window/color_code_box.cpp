#include "win/window/color_code_box.h"

#include "core/color/color_code_parsing.h"
#include "core/color/color_codes.h"
#include "win/platform/clipboard.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/design/controls.h"
#include "win/window/design/menus.h"

namespace tw::win {

ColorCodeBox::ColorCodeBox(Form& form, CurrentColor& color)
    : form_(form), color_(color), panel_(&form.Add(form, design::kCodePanel)) {
  notationList_ = &form.Add(*panel_, design::kNotationList);
  codeBox_ = &form.Add(*panel_, design::kCodeBox);
  copyButton_ = &form.Add(*panel_, design::kCopyCodeButton);
  setButton_ = &form.Add(*panel_, design::kSetCodeButton);
  notationList_->OnChange = [this](ComboBox&) { ShowCode(color_.Value()); };
  codeBox_->OnKeyPress = [this](Edit&, wchar_t& key) {
    if (key != L'\r') return;
    SetColorFromCode();
    key = 0;  // no beep
  };
  copyButton_->OnClick = [this](Button&) { CopyCode(); };
  setButton_->OnClick = [this](Button&) { SetColorFromCode(); };
}

void ColorCodeBox::AddMenuItems(MenuItem& mainMenu) {
  MenuItem& notations = mainMenu.Add(design::kNotationMenu);
  for (const MenuItemDesign& notation : design::kNotationItems) {
    notations.Add(notation).OnClick = [this](MenuItem& item) { ChooseNotation(item.Tag); };
  }
  upperCaseItem_ = &mainMenu.Add(design::kUpperCaseItem);
  upperCaseItem_->Checked = upperCase_;
  upperCaseItem_->OnClick = [this](MenuItem&) { ToggleUpperCase(); };
}

std::wstring ColorCodeBox::CodeOf(TColor color) const {
  return Widen(FormatColorCode(notationList_->ItemIndex(), color, upperCase_));
}

void ColorCodeBox::CopyCode() {
  codeBox_->SelectAll();
  CopyTextToClipboard(form_.Handle(), codeBox_->Text());
}

void ColorCodeBox::RestoreUpperCase(bool upperCase) {
  upperCase_ = upperCase;
  upperCaseItem_->Checked = upperCase;
}

void ColorCodeBox::ChooseNotation(int notation) {
  // Selecting from code raises no change of the list, so the box is written here.
  notationList_->SetItemIndex(notation);
  ShowCode(color_.Value());
}

void ColorCodeBox::ToggleUpperCase() {
  upperCaseItem_->Checked = !upperCaseItem_->Checked;
  upperCase_ = upperCaseItem_->Checked;
  // Whatever the box holds is converted; the code is not generated again.
  codeBox_->SetText(Widen(ConvertAsciiCase(Narrow(codeBox_->Text()), upperCase_)));
}

void ColorCodeBox::SetColorFromCode() {
  // Read first: a code that cannot be read changes nothing, not even the
  // undo history.
  const std::optional<TColor> color =
      ParseColorCode(notationList_->ItemIndex(), Narrow(codeBox_->Text()));
  if (!color) {
    Application::Instance().ShowMessage(L"Unable to convert color values.");
    return;
  }
  color_.Set(*color, true);
}

}  // namespace tw::win
