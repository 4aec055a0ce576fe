// The magnifier's commands: zoom factor, crosshair, averaging, coordinate
// origin and clearing the picture.
#include <windows.h>

#include <algorithm>

#include "win/window/main_window.h"

namespace tw::win {
namespace {

constexpr ShortCut Shift(UINT key) { return {key, true, false, false}; }
constexpr ShortCut CtrlAlt(UINT key) { return {key, false, true, true}; }

}  // namespace

void TfrmColorPick::CreateMagnifierMenu(MenuItem& main) {
  MenuItem& zoom = main.Add(L"Zoom1", L"Zoom");
  MenuItem& factor = zoom.Add(L"ZoomFactor1", L"Zoom Factor");
  for (int z = 1; z <= 20; ++z) {
    // Shift+F1 … Shift+F10 reach the first ten factors.
    const ShortCut key = z <= 10 ? Shift(VK_F1 + z - 1) : ShortCut{};
    MenuItem& item = factor.Add(L"Zoom" + std::to_wstring(z) + L"X1",
                                L"Zoom " + std::to_wstring(z) + L" X", key, z);
    item.OnClick = [this](MenuItem& sender) { Zoom1X1Click(sender); };
  }
  MenuItem& crosshairs = zoom.Add(L"ZoomCrosshair1", L"Zoom Crosshair");
  Cross1 = &crosshairs.Add(L"Cross1", L"Cross", {}, 1);
  Cross1->Checked = true;
  Rectangle1 = &crosshairs.Add(L"Rectangle1", L"Rectangle", {}, 2);
  None1 = &crosshairs.Add(L"None1", L"None", {}, 0);
  for (MenuItem* item : {Cross1, Rectangle1, None1}) {
    item->OnClick = [this](MenuItem& sender) { Cross1Click(sender); };
  }
  zoom.Add(L"SetCoordinates1", L"Set Coordinates", CtrlAlt('C')).OnClick = [this](MenuItem&) {
    SetCoordinates1Click();
  };
  zoom.Add(L"ResetCoordinates2", L"Reset Coordinates", CtrlAlt('X')).OnClick = [this](MenuItem&) {
    ResetCoordinates2Click();
  };
  zoom.Add(L"ClearZoomWindow1", L"Clear Zoom Window", CtrlAlt('Q')).OnClick = [this](MenuItem&) {
    ClearZoomWindow1Click();
  };
}

void TfrmColorPick::CreateAveragingMenu(MenuItem& main) {
  MenuItem& averaging = main.Add(L"ColorAveraging1", L"Color Averaging");
  Off1 = &averaging.Add(L"Off1", L"Off", CtrlAlt('1'), 0);
  Off1->Checked = true;
  N3x3Average1 = &averaging.Add(L"N3x3Average1", L"3x3 Average", CtrlAlt('3'), 1);
  N5x5Average1 = &averaging.Add(L"N5x5Average1", L"5x5 Average", CtrlAlt('5'), 2);
  for (MenuItem* item : {Off1, N3x3Average1, N5x5Average1}) {
    item->OnClick = [this](MenuItem& sender) { Off1Click(sender); };
  }
}

void TfrmColorPick::Zoom1X1Click(MenuItem& sender) { cbxZoom->SetItemIndex(sender.Tag - 1); }

void TfrmColorPick::Cross1Click(MenuItem& sender) {
  for (MenuItem* item : {None1, Cross1, Rectangle1}) item->Checked = false;
  sender.Checked = true;
  crosshair = sender.Tag;
}

void TfrmColorPick::Off1Click(MenuItem& sender) {
  for (MenuItem* item : {Off1, N3x3Average1, N5x5Average1}) item->Checked = false;
  sender.Checked = true;
  average = sender.Tag;
  btnGrab->SetGlyph(ImageList1, average);
}

void TfrmColorPick::SetCoordinates1Click() {
  POINT pointer;
  GetCursorPos(&pointer);
  rootx = pointer.x;
  rooty = pointer.y;
}

void TfrmColorPick::ResetCoordinates2Click() {
  rootx = 0;
  rooty = 0;
}

void TfrmColorPick::ClearZoomWindow1Click() {
  // A picture that was never given a size stays as it is.
  const BgrImageView picture = imgMagnifier->Picture();
  const TColor background = Color();
  const ColorTriple gray{static_cast<std::uint8_t>(BlueOf(background)),
                         static_cast<std::uint8_t>(GreenOf(background)),
                         static_cast<std::uint8_t>(RedOf(background))};
  for (int y = 0; y < picture.height; ++y) std::fill_n(picture.Row(y), picture.width, gray);
  lblXPos->SetCaption(L"");
  lblYPos->SetCaption(L"");
  if (imgMagnifier->HasPicture()) imgMagnifier->Changed();
}

void TfrmColorPick::ReadMagnifierChoices() {
  crosshair = Cross1->Checked ? 1 : Rectangle1->Checked ? 2 : 0;
  average = N5x5Average1->Checked ? 2 : N3x3Average1->Checked ? 1 : 0;
  btnGrab->SetGlyph(ImageList1, average);
}

}  // namespace tw::win
