// The magnifier's menu commands: zoom factor, crosshair, averaging,
// coordinate origin and clearing the picture.
#include <algorithm>

#include "win/window/design/menus.h"
#include "win/window/magnifier_panel.h"

namespace tw::win {

void MagnifierPanel::AddZoomMenu(MenuItem& mainMenu) {
  MenuItem& zoom = mainMenu.Add(design::kZoomMenu);
  MenuItem& factors = zoom.Add(design::kZoomFactorMenu);
  for (int factor = 1; factor <= 20; ++factor) {
    factors.Add(design::ZoomFactorItem(factor)).OnClick = [this](MenuItem& item) {
      zoomList_->SetItemIndex(item.Tag - 1);
    };
  }
  MenuItem& crosshairs = zoom.Add(design::kCrosshairMenu);
  for (size_t i = 0; i < crosshairItems_.size(); ++i) {
    crosshairItems_[i] = &crosshairs.Add(design::kCrosshairItems[i]);
    crosshairItems_[i]->OnClick = [this](MenuItem& item) { ChooseCrosshair(item); };
  }
  crosshairItems_[0]->Checked = true;  // the cross
  zoom.Add(design::kSetCoordinatesItem).OnClick = [this](MenuItem&) { SetCoordinateOrigin(); };
  zoom.Add(design::kResetCoordinatesItem).OnClick = [this](MenuItem&) { origin_ = {0, 0}; };
  zoom.Add(design::kClearMagnifierItem).OnClick = [this](MenuItem&) { Clear(); };
}

void MagnifierPanel::AddAveragingMenu(MenuItem& mainMenu) {
  MenuItem& averaging = mainMenu.Add(design::kAveragingMenu);
  for (size_t i = 0; i < averagingItems_.size(); ++i) {
    averagingItems_[i] = &averaging.Add(design::kAveragingItems[i]);
    averagingItems_[i]->OnClick = [this](MenuItem& item) { ChooseAveraging(item); };
  }
  averagingItems_[0]->Checked = true;  // off
}

void MagnifierPanel::ApplyStoredChoices() {
  const auto [cross, rectangle, none] = crosshairItems_;
  crosshair_ = cross->Checked ? cross->Tag : rectangle->Checked ? rectangle->Tag : none->Tag;
  const auto [off, threeByThree, fiveByFive] = averagingItems_;
  averaging_ = fiveByFive->Checked     ? fiveByFive->Tag
               : threeByThree->Checked ? threeByThree->Tag
                                       : off->Tag;
  grabButton_->SetGlyph(grabGlyphs_.Get(), averaging_);
}

void MagnifierPanel::ChooseCrosshair(MenuItem& chosen) {
  for (MenuItem* item : crosshairItems_) item->Checked = false;
  chosen.Checked = true;
  crosshair_ = chosen.Tag;
}

void MagnifierPanel::ChooseAveraging(MenuItem& chosen) {
  for (MenuItem* item : averagingItems_) item->Checked = false;
  chosen.Checked = true;
  averaging_ = chosen.Tag;
  // The grab button's glyph shows the averaged block.
  grabButton_->SetGlyph(grabGlyphs_.Get(), averaging_);
}

void MagnifierPanel::SetCoordinateOrigin() {
  POINT pointer;
  GetCursorPos(&pointer);
  origin_ = pointer;
}

void MagnifierPanel::Clear() {
  // A picture that was never given a size stays as it is.
  const BgrImageView picture = magnified_->Picture();
  const TColor background = form_.Color();
  const ColorTriple gray{static_cast<std::uint8_t>(BlueOf(background)),
                         static_cast<std::uint8_t>(GreenOf(background)),
                         static_cast<std::uint8_t>(RedOf(background))};
  for (int y = 0; y < picture.height; ++y) std::fill_n(picture.Row(y), picture.width, gray);
  xCoordinate_->SetCaption(L"");
  yCoordinate_->SetCaption(L"");
  if (magnified_->HasPicture()) magnified_->Changed();
}

}  // namespace tw::win
