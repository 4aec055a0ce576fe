// Options of the window itself: staying on top, and the text in the color
// frame.
#include <windows.h>

#include "win/window/main_window.h"

namespace tw::win {

void TfrmColorPick::CreateWindowOptionsMenu(MenuItem& main) {
  AlwaysonTop1 = &main.Add(L"AlwaysonTop1", L"Always on Top");
  AlwaysonTop1->OnClick = [this](MenuItem&) { AlwaysonTop1Click(); };
}

void TfrmColorPick::CreateTextDisplayMenu(MenuItem& main) {
  MenuItem& textDisplay = main.Add(L"extDisplay1", L"Text Display");
  UseText = &textDisplay.Add(L"UseText", L"Use Text in Color Frame");
  UseText->Checked = true;
  UseText->OnClick = [this](MenuItem&) { UseTextClick(); };
}

void TfrmColorPick::AlwaysonTop1Click() {
  AlwaysonTop1->Checked = !AlwaysonTop1->Checked;
  SetStayOnTop(AlwaysonTop1->Checked);
}

void TfrmColorPick::SetStayOnTop(bool onTop) {
  // Into or out of the topmost band, keeping place and size.
  SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfrmColorPick::UseTextClick() {
  UseText->Checked = !UseText->Checked;
  ShowFrameText();
}

void TfrmColorPick::ShowFrameText() {
  if (MenuItem* twin = FindMenuItem(L"UseTextinColorFrame1")) twin->Checked = UseText->Checked;
  SetasTextColor1->Enabled = UseText->Checked;
  pnlColor->SetCaption(UseText->Checked ? L"Tintwright" : L"");
}

}  // namespace tw::win
