// The magnifier's menu commands: zoom factor, crosshair, averaging,
// coordinate origin and clearing the picture.
#include <algorithm>

#include "win/window/design/menus.h"
#include "win/window/magnifier_panel.h"

namespace tw::win {

void MagnifierPanel::AddZoomMenu(MenuItem& mainMenu) {
  MenuItem& zoom = mainMenu.Add(design::kZoomMenu);
  MenuItem& factors = zoom.Add(design::kZoomFactorMenu);
  for (int factor = 1; factor <= kMaxZoom; ++factor) {
    factors.Add(design::ZoomFactorItem(factor)).OnClick = [this](MenuItem& item) {
      zoomList_->SetItemIndex(item.Tag - 1);
    };
  }
  MenuItem& crosshairs = zoom.Add(design::kCrosshairMenu);
  for (size_t i = 0; i < crosshairItems_.size(); ++i) {
    crosshairItems_[i] = &crosshairs.Add(design::kCrosshairItems[i]);
    crosshairItems_[i]->OnClick = [this](MenuItem& item) { ChooseCrosshair(item.Tag); };
  }
  ChooseCrosshair(crosshair_);
  zoom.Add(design::kSetCoordinatesItem).OnClick = [this](MenuItem&) { SetCoordinateOrigin(); };
  zoom.Add(design::kResetCoordinatesItem).OnClick = [this](MenuItem&) { origin_ = {0, 0}; };
  zoom.Add(design::kClearMagnifierItem).OnClick = [this](MenuItem&) { Clear(); };
}

void MagnifierPanel::AddAveragingMenu(MenuItem& mainMenu) {
  MenuItem& averaging = mainMenu.Add(design::kAveragingMenu);
  for (size_t i = 0; i < averagingItems_.size(); ++i) {
    averagingItems_[i] = &averaging.Add(design::kAveragingItems[i]);
    averagingItems_[i]->OnClick = [this](MenuItem& item) { ChooseAveraging(item.Tag); };
  }
  ChooseAveraging(averaging_);
}

void MagnifierPanel::ChooseCrosshair(int style) {
  for (MenuItem* item : crosshairItems_) item->Checked = item->Tag == style;
  crosshair_ = style;
}

void MagnifierPanel::ChooseAveraging(int halfWidth) {
  for (MenuItem* item : averagingItems_) item->Checked = item->Tag == halfWidth;
  averaging_ = halfWidth;
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
