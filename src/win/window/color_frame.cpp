#include "win/window/color_frame.h"

#include <commdlg.h>

#include "core/color/conversions.h"
#include "win/window/design/controls.h"
#include "win/window/design/menus.h"

namespace tw::win {

ColorFrame::ColorFrame(Form& form, const CurrentColor& color)
    : form_(form),
      color_(color),
      panel_(&form.Add(form, design::kColorFrame)),
      font_(design::ScaledFont(form, design::kColorFrameFont)) {
  panel_->SetOwnFont(font_);
  CreateMenu(form);
}

void ColorFrame::CreateMenu(Form& form) {
  menu_ = &form.AddPopupMenu(design::kFrameMenu);
  MenuItem& items = menu_->Items();
  const auto setTextColor = [this](const MenuItemDesign& design, auto colorNow) {
    menu_->Items().Add(design).OnClick = [this, colorNow](MenuItem&) { SetTextColor(colorNow()); };
  };
  setTextColor(design::kWhiteTextItem, [] { return MakeColor(255, 255, 255); });
  setTextColor(design::kBlackTextItem, [] { return TColor{0}; });
  setTextColor(design::kContrastTextItem,
               [this] { return ContrastTextColor(color_.Value(), DesktopSystemColor); });
  setTextColor(design::kInverseTextItem,
               [this] { return InvertColor(color_.Value(), DesktopSystemColor); });
  items.AddSeparator(design::kBeforeFrameTextSeparator);
  frameUseTextItem_ = &items.Add(design::kFrameUseTextItem);
  frameUseTextItem_->Checked = true;
  frameUseTextItem_->OnClick = [this](MenuItem&) { ToggleText(); };
  items.Add(design::kFrameChangeFontItem).OnClick = [this](MenuItem&) { PickFont(); };
  panel_->Popup = menu_;
}

void ColorFrame::AddTextMenu(MenuItem& mainMenu) {
  MenuItem& textDisplay = mainMenu.Add(design::kTextDisplayMenu);
  useTextItem_ = &textDisplay.Add(design::kUseTextItem);
  useTextItem_->Checked = true;
  useTextItem_->OnClick = [this](MenuItem&) { ToggleText(); };
  textDisplay.Add(design::kChangeFontItem).OnClick = [this](MenuItem&) { PickFont(); };
}

void ColorFrame::ToggleText() {
  useTextItem_->Checked = !useTextItem_->Checked;
  ShowText();
}

void ColorFrame::RestoreTextShown(bool shown) { useTextItem_->Checked = shown; }

void ColorFrame::ShowText() {
  // The main menu's item is the one the settings keep.
  textShown_ = useTextItem_->Checked;
  frameUseTextItem_->Checked = textShown_;
  panel_->SetCaption(textShown_ ? design::kColorFrameText : L"");
  if (OnTextShownChanged) OnTextShownChanged(textShown_);
}

void ColorFrame::SetTextFont(const LOGFONTW& font) {
  font_ = font;
  panel_->SetOwnFont(font_);
}

void ColorFrame::PickFont() {
  LOGFONTW font = font_;
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = form_.Handle();
  dialog.lpLogFont = &font;
  dialog.Flags = CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_SCREENFONTS;
  dialog.rgbColors = ToColorRef(TextColor());
  if (!ChooseFontW(&dialog)) return;
  SetTextFont(font);
  SetTextColor(static_cast<TColor>(dialog.rgbColors & 0xFFFFFF));
}

}  // namespace tw::win
