// The popup menus of the main window.
#include "win/window/command_ids.h"
#include "win/window/main_window.h"

namespace tw::win {
namespace {

constexpr ShortCut Ctrl(UINT key) { return {key, false, true, false}; }
constexpr ShortCut CtrlAlt(UINT key) { return {key, false, true, true}; }

struct NotationItem {
  const wchar_t* name;
  const wchar_t* caption;
  ShortCut key;
};

// In the order of the notation index, which is each item's Tag.
const NotationItem kNotationItems[] = {
    {L"HTMLHex1", L"HTML Hex", Ctrl('H')},
    {L"DelphiHex1", L"Delphi Hex", Ctrl('D')},
    {L"VBHex1", L"VB Hex", Ctrl('B')},
    {L"CHex1", L"C++ Hex", {}},
    {L"RGBValues1", L"RGB Values", Ctrl('R')},
    {L"RGBValues2", L"RGB %Values", {}},
    {L"HSL1", L"HSL", {}},
    {L"HSVHSB1", L"HSV (HSB)", {}},
    {L"CMY1", L"CMY", {}},
    {L"CMYKValues1", L"CMYK Values", Ctrl('K')},
    {L"PhotoshopValues1", L"Photoshop Values", Ctrl('P')},
    {L"Powerbuilder1", L"Powerbuilder", {}},
};

}  // namespace

void TfrmColorPick::CreateColorCodeMenu(MenuItem& main) {
  MenuItem& display = main.Add(L"Colordisplay1", L"Color Code Display");
  int tag = 0;
  for (const NotationItem& notation : kNotationItems) {
    MenuItem& item = display.Add(notation.name, notation.caption, notation.key, tag++);
    item.OnClick = [this](MenuItem& sender) { HTMLHex1Click(sender); };
  }
  UpperCaseColorCodes1 = &main.Add(L"UpperCaseColorCodes1", L"UpperCase Color Codes");
  UpperCaseColorCodes1->Checked = true;
  UpperCaseColorCodes1->OnClick = [this](MenuItem& sender) { UpperCaseColorCodes1Click(sender); };
}

void TfrmColorPick::CreateMenus() {
  pupMain = &AddPopupMenu(L"pupMain");
  MenuItem& main = pupMain->Items();
  CreateWindowOptionsMenu(main);
  CreateMagnifierMenu(main);
  CreateColorCodeMenu(main);
  CreateAveragingMenu(main);
  CreateTextDisplayMenu(main);
  main.AddSeparator(L"N3");
  UndoColorChange1 = &main.Add(L"UndoColorChange1", L"Undo Colorchange", Ctrl('Z'));
  UndoColorChange1->OnClick = [this](MenuItem&) { UndoColorChange1Click(); };
  RedoColorchange1 = &main.Add(L"RedoColorchange1", L"Redo Colorchange", CtrlAlt('Z'));
  RedoColorchange1->OnClick = [this](MenuItem&) { RedoColorchange1Click(); };
  CreateColorListMenu(main);
  main.AddSeparator(L"N7");
  StayinSystemTray1 = &main.Add(L"StayinSystemTray1", L"Stay in System Tray");
  StayinSystemTray1->Checked = true;
  StayinSystemTray1->OnClick = [this](MenuItem& sender) { StayinSystemTray1Click(sender); };
  main.AddSeparator(L"N6");
  Exit1 = &main.Add(L"Exit1", L"Exit", ShortCut{VK_F4, false, false, true}, 0, kExitCommand);
  Exit1->OnClick = [this](MenuItem& sender) { Exit1Click(sender); };
  Popup = pupMain;
  CreatePaletteMenu();
  SetShortcutMenu(pupMain);

  btnClose->OnClick = [this](SpeedButton& sender) { btnCloseClick(sender); };
}

}  // namespace tw::win
