#include "win/window/color_frame.h"

#include "win/window/design/controls.h"
#include "win/window/design/menus.h"

namespace tw::win {

ColorFrame::ColorFrame(Form& form) : panel_(&form.Add(form, design::kColorFrame)) {
  panel_->SetOwnFont(design::ScaledFont(form, design::kColorFrameFont));
}

void ColorFrame::AddTextMenu(MenuItem& mainMenu) {
  MenuItem& textDisplay = mainMenu.Add(design::kTextDisplayMenu);
  useTextItem_ = &textDisplay.Add(design::kUseTextItem);
  useTextItem_->Checked = true;
  useTextItem_->OnClick = [this](MenuItem& item) {
    item.Checked = !item.Checked;
    ShowText();
  };
}

void ColorFrame::ShowText() {
  panel_->SetCaption(TextShown() ? design::kColorFrameText : L"");
  if (OnTextShownChanged) OnTextShownChanged(TextShown());
}

}  // namespace tw::win
