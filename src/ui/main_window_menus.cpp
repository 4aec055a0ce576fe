// The popup menus of the main window.
#include "ui/command_ids.h"
#include "ui/main_window.h"

namespace tw::ui {

void TfrmColorPick::CreateMenus() {
  pupMain = &AddPopupMenu(L"pupMain");
  MenuItem& main = pupMain->Items();
  UpperCaseColorCodes1 = &main.Add(L"UpperCaseColorCodes1", L"UpperCase Color Codes");
  UpperCaseColorCodes1->Checked = true;
  UpperCaseColorCodes1->OnClick = [this](MenuItem& sender) { UpperCaseColorCodes1Click(sender); };
  main.AddSeparator(L"N7");
  StayinSystemTray1 = &main.Add(L"StayinSystemTray1", L"Stay in System Tray");
  StayinSystemTray1->Checked = true;
  StayinSystemTray1->OnClick = [this](MenuItem& sender) { StayinSystemTray1Click(sender); };
  main.AddSeparator(L"N6");
  Exit1 = &main.Add(L"Exit1", L"Exit", ShortCut{VK_F4, false, false, true}, 0, kExitCommand);
  Exit1->OnClick = [this](MenuItem& sender) { Exit1Click(sender); };
  Popup = pupMain;
  SetShortcutMenu(pupMain);

  btnClose->OnClick = [this](SpeedButton& sender) { btnCloseClick(sender); };
}

}  // namespace tw::ui
