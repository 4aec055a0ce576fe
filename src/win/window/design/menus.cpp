#include "win/window/design/menus.h"

#include <windows.h>

#include <string>
#include <utility>

#include "core/names/color_sort.h"
#include "core/settings/options.h"

namespace tw::win::design {
namespace {

constexpr ShortCut Ctrl(UINT key) { return {key, false, true, false}; }
constexpr ShortCut CtrlAlt(UINT key) { return {key, false, true, true}; }
constexpr ShortCut Shift(UINT key) { return {key, true, false, false}; }

}  // namespace

const MenuItemDesign kAlwaysOnTopItem{
    L"AlwaysonTop1", L"Always on Top", {}, 0, kAlwaysOnTopCommand};
const MenuItemDesign kShowTitleBarItem{
    L"ShowHideTitlebar1", L"Show/Hide Titlebar", {}, 0, kShowTitleBarCommand};
const MenuItemDesign kLayoutMenu{L"ChangeLayout1", L"Change Layout"};
const std::array<MenuItemDesign, 3> kLayoutItems = {{
    {L"Small1", L"Small", {}, kSmallLayout, kSmallLayoutCommand},
    {L"Medium1", L"Medium", {}, kMediumLayout, kMediumLayoutCommand},
    {L"Large1", L"Large", {}, kLargeLayout, kLargeLayoutCommand},
}};
const MenuItemDesign kUndoItem{L"UndoColorChange1", L"Undo Colorchange", Ctrl('Z'), 0,
                               kUndoCommand};
const MenuItemDesign kRedoItem{L"RedoColorchange1", L"Redo Colorchange", CtrlAlt('Z'), 0,
                               kRedoCommand};
const MenuItemDesign kStayInTrayItem{
    L"StayinSystemTray1", L"Stay in System Tray", {}, 0, kStayInTrayCommand};
const MenuItemDesign kRunAtLogonItem{
    L"RunonStartup1", L"Run on Startup", {}, 0, kRunAtLogonCommand};
const MenuItemDesign kExitItem{L"Exit1", L"Exit", {VK_F4, false, false, true}, 0, kExitCommand};

const MenuItemDesign kWebSiteItem{
    L"VisitQuillfenSoftwareWebsite1", L"Visit Quillfen Software Website", {}, 0, kWebSiteCommand};
const MenuItemDesign kCheckUpdateItem{
    L"mnuCheckUpdate", L"Check for New Version...", {}, 0, kCheckUpdateCommand};
const MenuItemDesign kHelpItem{L"ShowHelpfile1", L"Show Helpfile", {VK_F1}, 0, kHelpCommand};
const MenuItemDesign kAboutItem{L"AboutTintwright1", L"About Tintwright...", {}, 0, kAboutCommand};

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
  return {name.c_str(), caption.c_str(), key, factor,
          static_cast<UINT>(kFirstZoomCommand + factor - 1)};
}

const MenuItemDesign kCrosshairMenu{L"ZoomCrosshair1", L"Zoom Crosshair"};
const std::array<MenuItemDesign, 3> kCrosshairItems = {{
    {L"Cross1", L"Cross", {}, kCrossCrosshair, kCrossCommand},
    {L"Rectangle1", L"Rectangle", {}, kRectangleCrosshair, kRectangleCommand},
    {L"None1", L"None", {}, kNoCrosshair, kNoCrosshairCommand},
}};
const MenuItemDesign kSetCoordinatesItem{L"SetCoordinates1", L"Set Coordinates", CtrlAlt('C'), 0,
                                         kSetCoordinatesCommand};
const MenuItemDesign kResetCoordinatesItem{L"ResetCoordinates2", L"Reset Coordinates", CtrlAlt('X'),
                                           0, kResetCoordinatesCommand};
const MenuItemDesign kClearMagnifierItem{L"ClearZoomWindow1", L"Clear Zoom Window", CtrlAlt('Q'), 0,
                                         kClearMagnifierCommand};

const MenuItemDesign kAveragingMenu{L"ColorAveraging1", L"Color Averaging"};
const std::array<MenuItemDesign, 3> kAveragingItems = {{
    {L"Off1", L"Off", CtrlAlt('1'), 0, kAveragingOffCommand},
    {L"N3x3Average1", L"3x3 Average", CtrlAlt('3'), 1, kAveraging3x3Command},
    {L"N5x5Average1", L"5x5 Average", CtrlAlt('5'), 2, kAveraging5x5Command},
}};

const MenuItemDesign kNotationMenu{L"Colordisplay1", L"Color Code Display"};
const std::array<MenuItemDesign, kNotationCount> kNotationItems = {{
    {L"HTMLHex1", L"HTML Hex", Ctrl('H'), 0, kFirstNotationCommand + 0},
    {L"DelphiHex1", L"Delphi Hex", Ctrl('D'), 1, kFirstNotationCommand + 1},
    {L"VBHex1", L"VB Hex", Ctrl('B'), 2, kFirstNotationCommand + 2},
    {L"CHex1", L"C++ Hex", {}, 3, kFirstNotationCommand + 3},
    {L"RGBValues1", L"RGB Values", Ctrl('R'), 4, kFirstNotationCommand + 4},
    {L"RGBValues2", L"RGB %Values", {}, 5, kFirstNotationCommand + 5},
    {L"HSL1", L"HSL", {}, 6, kFirstNotationCommand + 6},
    {L"HSVHSB1", L"HSV (HSB)", {}, 7, kFirstNotationCommand + 7},
    {L"CMY1", L"CMY", {}, 8, kFirstNotationCommand + 8},
    {L"CMYKValues1", L"CMYK Values", Ctrl('K'), 9, kFirstNotationCommand + 9},
    {L"PhotoshopValues1", L"Photoshop Values", Ctrl('P'), 10, kFirstNotationCommand + 10},
    {L"Powerbuilder1", L"Powerbuilder", {}, 11, kFirstNotationCommand + 11},
}};
const MenuItemDesign kUpperCaseItem{
    L"UpperCaseColorCodes1", L"UpperCase Color Codes", {}, 0, kUpperCaseCommand};

const MenuItemDesign kTextDisplayMenu{L"extDisplay1", L"Text Display"};
const MenuItemDesign kUseTextItem{L"UseText", L"Use Text in Color Frame", {}, 0, kUseTextCommand};
const MenuItemDesign kChangeFontItem{L"ChangeFont1", L"Change Font", {}, 0, kChangeFontCommand};
const MenuItemDesign kWhiteTextItem{
    L"setTextcolortoWhite1", L"set Text Color to White", {}, 0, kWhiteTextCommand};
const MenuItemDesign kBlackTextItem{
    L"setTextcolortoBlack1", L"set Text Color to Black", {}, 0, kBlackTextCommand};
const MenuItemDesign kContrastTextItem{L"setTextColortoContrastColor1",
                                       L"set Text Color to Contrast Color",
                                       {},
                                       0,
                                       kContrastTextCommand};
const MenuItemDesign kInverseTextItem{L"setTextcolortotheinverseoftheBGcolor1",
                                      L"set Text Color to the inverse of the BG Color",
                                      {},
                                      0,
                                      kInverseTextCommand};
const MenuItemDesign kFrameUseTextItem{
    L"UseTextinColorFrame1", L"Use Text in Color Frame", {}, 0, kUseTextCommand};
const MenuItemDesign kFrameChangeFontItem{
    L"ChangeFont2", L"Change Font", {}, 0, kChangeFontCommand};

const MenuItemDesign kStoreInSlotItem{
    L"SaveColorHere1", L"Save Color here", {}, 0, kStoreInSlotCommand};
const MenuItemDesign kSlotAsBackgroundItem{
    L"SetasBackground1", L"Set as Background Color", {}, 0, kSlotAsBackgroundCommand};
const MenuItemDesign kSlotAsTextColorItem{
    L"SetasTextColor1", L"Set as Text Color", {}, 0, kSlotAsTextColorCommand};
const MenuItemDesign kCopySlotCodeItem{
    L"Copy1", L"Copy Color Description", {}, 0, kCopySlotCodeCommand};

const MenuItemDesign kFindClosestItem{
    L"FindClosestColor1", L"Find Closest Color", {}, 0, kFindClosestCommand};
const std::array<MenuItemDesign, 12> kSortItems = {{
    {L"N8", nullptr},
    {L"SortbyName1", L"Sort by Name", {}, SortByName, kFirstSortCommand + SortByName},
    {L"N10", nullptr},
    {L"SortbyHue1", L"Sort by Hue", {}, SortByHue, kFirstSortCommand + SortByHue},
    {L"SortbySaturation1",
     L"Sort by Saturation",
     {},
     SortBySaturation,
     kFirstSortCommand + SortBySaturation},
    {L"SortbyValue1", L"Sort by Value", {}, SortByValue, kFirstSortCommand + SortByValue},
    {L"N9", nullptr},
    {L"SortbyRed1", L"Sort by Red", {}, SortByRed, kFirstSortCommand + SortByRed},
    {L"SortbyGreen1", L"Sort by Green", {}, SortByGreen, kFirstSortCommand + SortByGreen},
    {L"SortbyBlue1", L"Sort by Blue", {}, SortByBlue, kFirstSortCommand + SortByBlue},
    {L"SortbyBrightness1",
     L"Sort by Brightness",
     {},
     SortByBrightness,
     kFirstSortCommand + SortByBrightness},
    {L"N12", nullptr},
}};
const MenuItemDesign kHtmlOnlyItem{
    L"Showonlyhtmlcolors", L"Show only HTML Colors", {}, 8, kHtmlOnlyCommand};
const MenuItemDesign kColorListMenu{L"ColorList1", L"Color List"};

std::wstring CopyName(const wchar_t* name) { return std::wstring(name) + L"_copy"; }

}  // namespace tw::win::design
