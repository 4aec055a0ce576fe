#include "win/window/design/menus.h"

#include <windows.h>

#include <string>
#include <utility>

#include "core/names/color_sort.h"

namespace tw::win::design {
namespace {

constexpr ShortCut Ctrl(UINT key) { return {key, false, true, false}; }
constexpr ShortCut CtrlAlt(UINT key) { return {key, false, true, true}; }
constexpr ShortCut Shift(UINT key) { return {key, true, false, false}; }

}  // namespace

const MenuItemDesign kAlwaysOnTopItem{L"AlwaysonTop1", L"Always on Top"};
const MenuItemDesign kShowTitleBarItem{L"ShowHideTitlebar1", L"Show/Hide Titlebar"};
const MenuItemDesign kLayoutMenu{L"ChangeLayout1", L"Change Layout"};
const std::array<MenuItemDesign, 3> kLayoutItems = {{
    {L"Small1", L"Small", {}, 0},
    {L"Medium1", L"Medium", {}, 1},
    {L"Large1", L"Large", {}, 2},
}};
const MenuItemDesign kUndoItem{L"UndoColorChange1", L"Undo Colorchange", Ctrl('Z')};
const MenuItemDesign kRedoItem{L"RedoColorchange1", L"Redo Colorchange", CtrlAlt('Z')};
const MenuItemDesign kStayInTrayItem{L"StayinSystemTray1", L"Stay in System Tray"};
const MenuItemDesign kRunAtLogonItem{L"RunonStartup1", L"Run on Startup"};
const MenuItemDesign kExitItem{L"Exit1", L"Exit", {VK_F4, false, false, true}, 0, kExitCommand};

const MenuItemDesign kWebSiteItem{L"VisitQuillfenSoftwareWebsite1",
                                  L"Visit Quillfen Software Website"};
const MenuItemDesign kCheckUpdateItem{L"mnuCheckUpdate", L"Check for New Version..."};
const MenuItemDesign kHelpItem{L"ShowHelpfile1", L"Show Helpfile", {VK_F1}};
const MenuItemDesign kAboutItem{L"AboutTintwright1", L"About Tintwright..."};

const MenuItemDesign kZoomMenu{L"Zoom1", L"Zoom"};
const MenuItemDesign kZoomFactorMenu{L"ZoomFactor1", L"Zoom Factor"};

MenuItemDesign ZoomFactorItem(int factor) {
  // Made once: the design keeps pointers to the texts.
  static const auto texts = [] {
    std::array<std::pair<std::wstring, std::wstring>, kMaxZoom> made;
    for (int z = 1; z <= kMaxZoom; ++z) {
      made[static_cast<size_t>(z - 1)] = {L"Zoom" + std::to_wstring(z) + L"X1",
                                          L"Zoom " + std::to_wstring(z) + L" X"};
    }
    return made;
  }();
  const auto& [name, caption] = texts[static_cast<size_t>(factor - 1)];
  // Shift+F1 … Shift+F10 reach the first ten factors.
  const ShortCut key = factor <= 10 ? Shift(VK_F1 + factor - 1) : ShortCut{};
  return {name.c_str(), caption.c_str(), key, factor};
}

const MenuItemDesign kCrosshairMenu{L"ZoomCrosshair1", L"Zoom Crosshair"};
const std::array<MenuItemDesign, 3> kCrosshairItems = {{
    {L"Cross1", L"Cross", {}, 1},
    {L"Rectangle1", L"Rectangle", {}, 2},
    {L"None1", L"None", {}, 0},
}};
const MenuItemDesign kSetCoordinatesItem{L"SetCoordinates1", L"Set Coordinates", CtrlAlt('C')};
const MenuItemDesign kResetCoordinatesItem{L"ResetCoordinates2", L"Reset Coordinates",
                                           CtrlAlt('X')};
const MenuItemDesign kClearMagnifierItem{L"ClearZoomWindow1", L"Clear Zoom Window", CtrlAlt('Q')};

const MenuItemDesign kAveragingMenu{L"ColorAveraging1", L"Color Averaging"};
const std::array<MenuItemDesign, 3> kAveragingItems = {{
    {L"Off1", L"Off", CtrlAlt('1'), 0},
    {L"N3x3Average1", L"3x3 Average", CtrlAlt('3'), 1},
    {L"N5x5Average1", L"5x5 Average", CtrlAlt('5'), 2},
}};

const MenuItemDesign kNotationMenu{L"Colordisplay1", L"Color Code Display"};
const std::array<MenuItemDesign, kNotationCount> kNotationItems = {{
    {L"HTMLHex1", L"HTML Hex", Ctrl('H'), 0},
    {L"DelphiHex1", L"Delphi Hex", Ctrl('D'), 1},
    {L"VBHex1", L"VB Hex", Ctrl('B'), 2},
    {L"CHex1", L"C++ Hex", {}, 3},
    {L"RGBValues1", L"RGB Values", Ctrl('R'), 4},
    {L"RGBValues2", L"RGB %Values", {}, 5},
    {L"HSL1", L"HSL", {}, 6},
    {L"HSVHSB1", L"HSV (HSB)", {}, 7},
    {L"CMY1", L"CMY", {}, 8},
    {L"CMYKValues1", L"CMYK Values", Ctrl('K'), 9},
    {L"PhotoshopValues1", L"Photoshop Values", Ctrl('P'), 10},
    {L"Powerbuilder1", L"Powerbuilder", {}, 11},
}};
const MenuItemDesign kUpperCaseItem{L"UpperCaseColorCodes1", L"UpperCase Color Codes"};

const MenuItemDesign kTextDisplayMenu{L"extDisplay1", L"Text Display"};
const MenuItemDesign kUseTextItem{L"UseText", L"Use Text in Color Frame"};
const MenuItemDesign kChangeFontItem{L"ChangeFont1", L"Change Font"};
const MenuItemDesign kWhiteTextItem{L"setTextcolortoWhite1", L"set Text Color to White"};
const MenuItemDesign kBlackTextItem{L"setTextcolortoBlack1", L"set Text Color to Black"};
const MenuItemDesign kContrastTextItem{L"setTextColortoContrastColor1",
                                       L"set Text Color to Contrast Color"};
const MenuItemDesign kInverseTextItem{L"setTextcolortotheinverseoftheBGcolor1",
                                      L"set Text Color to the inverse of the BG Color"};
const MenuItemDesign kFrameUseTextItem{L"UseTextinColorFrame1", L"Use Text in Color Frame"};
const MenuItemDesign kFrameChangeFontItem{L"ChangeFont2", L"Change Font"};

const MenuItemDesign kStoreInSlotItem{L"SaveColorHere1", L"Save Color here"};
const MenuItemDesign kSlotAsBackgroundItem{L"SetasBackground1", L"Set as Background Color"};
const MenuItemDesign kSlotAsTextColorItem{L"SetasTextColor1", L"Set as Text Color"};
const MenuItemDesign kCopySlotCodeItem{L"Copy1", L"Copy Color Description"};

const MenuItemDesign kFindClosestItem{L"FindClosestColor1", L"Find Closest Color"};
const std::array<MenuItemDesign, 12> kSortItems = {{
    {L"N8", nullptr},
    {L"SortbyName1", L"Sort by Name", {}, SortByName},
    {L"N10", nullptr},
    {L"SortbyHue1", L"Sort by Hue", {}, SortByHue},
    {L"SortbySaturation1", L"Sort by Saturation", {}, SortBySaturation},
    {L"SortbyValue1", L"Sort by Value", {}, SortByValue},
    {L"N9", nullptr},
    {L"SortbyRed1", L"Sort by Red", {}, SortByRed},
    {L"SortbyGreen1", L"Sort by Green", {}, SortByGreen},
    {L"SortbyBlue1", L"Sort by Blue", {}, SortByBlue},
    {L"SortbyBrightness1", L"Sort by Brightness", {}, SortByBrightness},
    {L"N12", nullptr},
}};
const MenuItemDesign kHtmlOnlyItem{L"Showonlyhtmlcolors", L"Show only HTML Colors", {}, 8};
const MenuItemDesign kColorListMenu{L"ColorList1", L"Color List"};

std::wstring CopyName(const wchar_t* name) { return std::wstring(name) + L"_copy"; }

}  // namespace tw::win::design
