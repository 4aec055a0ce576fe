// The color code: its notation, its case, copying it and typing one back.
#include "core/color/color_code_parsing.h"
#include "core/color/color_codes.h"
#include "win/platform/clipboard.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::win {

std::wstring TfrmColorPick::getcolorstring(TColor color) const {
  return Widen(FormatColorCode(cbxDisplay->ItemIndex(), color, UseUpperCase));
}

void TfrmColorPick::cbxDisplayChange(ComboBox&) {
  edtColor->SetText(getcolorstring(CurrentColor()));
}

void TfrmColorPick::HTMLHex1Click(MenuItem& sender) {
  // Selecting from code raises no change of the list, so the box is written here.
  cbxDisplay->SetItemIndex(sender.Tag);
  edtColor->SetText(getcolorstring(CurrentColor()));
}

void TfrmColorPick::UpperCaseColorCodes1Click(MenuItem&) {
  UpperCaseColorCodes1->Checked = !UpperCaseColorCodes1->Checked;
  UseUpperCase = UpperCaseColorCodes1->Checked;
  // Whatever the box holds is converted; the code is not generated again.
  edtColor->SetText(Widen(ConvertAsciiCase(Narrow(edtColor->Text()), UseUpperCase)));
}

void TfrmColorPick::btnCopyClick() {
  edtColor->SelectAll();
  CopyTextToClipboard(Handle(), edtColor->Text());
}

void TfrmColorPick::btnSetClick() {
  // Read first: a code that cannot be read changes nothing, not even the
  // undo history.
  const std::optional<TColor> color =
      ParseColorCode(cbxDisplay->ItemIndex(), Narrow(edtColor->Text()));
  if (!color) {
    Application::Instance().ShowMessage(L"Unable to convert color values.");
    return;
  }
  SetCurrentColor(*color, true);
}

void TfrmColorPick::edtColorKeyPress(wchar_t& key) {
  if (key != L'\r') return;
  btnSetClick();
  key = 0;  // no beep
}

}  // namespace tw::win
