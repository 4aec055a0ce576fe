#include "win/window/design/controls.h"

#include <windows.h>

#include <string>
#include <vector>

#include "core/color/color_codes.h"
#include "core/settings/options.h"
#include "win/platform/font_description.h"
#include "win/platform/text.h"

namespace tw::win::design {
namespace {

constexpr TColor kWindowGray = 6776679;  // 103, 103, 103
constexpr TColor kStartColor = 0x00E16941;
constexpr TColor kBlack = 0;

std::vector<std::wstring> NotationCaptions() {
  std::vector<std::wstring> captions;
  for (std::string_view name : kNotationNames) captions.push_back(Widen(name));
  return captions;
}

std::vector<std::wstring> ZoomCaptions() {
  std::vector<std::wstring> captions;
  for (int factor = 1; factor <= kMaxZoom; ++factor)
    captions.push_back(L"Zoom x " + std::to_wstring(factor));
  return captions;
}

ChannelRowDesign Row(const wchar_t* caption, const wchar_t* labelName, const wchar_t* boxName,
                     const wchar_t* boxHint, const wchar_t* barName, const wchar_t* barHint,
                     const wchar_t* stripName, int boxTop, int max) {
  // Within a row the bar sits one pixel below the box, the strip five above.
  return {{labelName, {3, boxTop + 3, caption}},
          {boxName, {{36, boxTop, 29, 20}, L"0", true, 3, max}, boxHint},
          {barName, {{65, boxTop + 1, 137, 16}, 0, max, 1, 10}, barHint},
          {stripName, {{81, boxTop - 5, 105, 5}}}};
}

}  // namespace

LOGFONTW ScaledFont(const Form& form, const FontDesign& font) {
  const BYTE charSet =
      font.face == std::wstring_view(L"Marlett") ? SYMBOL_CHARSET : DEFAULT_CHARSET;
  return FontDescription(font.face, -form.Scale(font.height), font.weight, charSet);
}

Form::Design MainWindowDesign(HWND ownerWindow) {
  return {L"TfrmColorPick",
          L"Tintwright",
          486,
          282,
          kWindowGray,
          WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
          ownerWindow,
          L"Segoe UI",
          -12};
}

const ControlDesign<Panel> kColorFrame{
    L"pnlColor", {{5, 5, 91, 101}, kStartColor, Bevel::None, Bevel::None, kColorFrameText}};
const FontDesign kColorFrameFont{L"Segoe UI", 13, FW_BOLD};

const ControlDesign<Panel> kRgbPanel{L"pnlRGB", {{101, 3, 208, 106}, kButtonFaceColor}};
const std::array<ChannelRowDesign, 3> kRgbRows = {
    Row(L"Red", L"lblRed", L"CurrencyEdit1", L"Red Value", L"ScrollBarRed", L"Adjust Red Value",
        L"imgRed", 9, 255),
    Row(L"Green", L"lblGreen", L"CurrencyEdit2", L"Green Value", L"ScrollBarGreen",
        L"Adjust Green Value", L"imgGreen", 34, 255),
    Row(L"Blue", L"lblBlue", L"CurrencyEdit3", L"Blue Value", L"ScrollBarBlue",
        L"Adjust Blue Value", L"imgBlue", 59, 255),
};
const ControlDesign<Label> kBrightnessLabel{L"lblBrightness", {3, 86, L"Brightness"}};
const ControlDesign<ScrollBar> kBrightnessBar{
    L"ScrollBarBrightness", {{65, 85, 137, 16}, 0, 255, 1, 10}, L"Adjust Brightness"};
const ControlDesign<Image> kBrightnessStrip{L"imgBrightness", {{81, 79, 105, 5}}};
const ControlDesign<Panel> kHsvPanel{L"pnlHSV", {{101, 111, 208, 81}, kButtonFaceColor}};
const std::array<ChannelRowDesign, 3> kHsvRows = {
    Row(L"Hue", L"lblHue", L"CurrencyEdit4", L"Hue Value", L"ScrollBarHue", L"Adjust Hue",
        L"imgHue", 8, 360),
    Row(L"Satur.", L"lblSaturation", L"CurrencyEdit5", L"Saturation Value", L"ScrollBarSaturation",
        L"Adjust Saturation", L"imgSatur", 33, 255),
    Row(L"Value", L"lblValue", L"CurrencyEdit6", L"Value", L"ScrollBarValue",
        L"Adjust Brightness Value", L"imgValue", 58, 255),
};

const ControlDesign<Panel> kEditButtonsPanel{L"pnlButtons", {{311, 3, 65, 106}, kButtonFaceColor}};
const ControlDesign<Button> kInvertButton{
    L"btnInvert", {{4, 4, 57, 23}, L"Invert"}, L"Invert Color"};
const ControlDesign<Button> kRandomButton{
    L"btnRandom", {{4, 29, 57, 23}, L"Random"}, L"Pick Random Color"};
const ControlDesign<Button> kColorDialogButton{
    L"btnDialog", {{4, 54, 57, 23}, L"Dialog"}, L"Show Color Dialog"};
const ControlDesign<Button> kUndoButton{L"btnUndo", {{4, 79, 28, 23}, L"<"}, L"Undo Color Change"};
const ControlDesign<Button> kRedoButton{L"btnRedo", {{33, 79, 28, 23}, L">"}, L"Redo Color Change"};
const ControlDesign<Panel> kWheelPanel{L"pnlCircle", {{378, 3, 105, 106}, kBlack}};
const ControlDesign<Image> kWheel{L"imgColorWheel", {{1, 1, 103, 103}}};

const ControlDesign<Panel> kCodePanel{L"pnlColorCode", {{3, 111, 96, 81}, kButtonFaceColor}};
const ControlDesign<ComboBox> kNotationList{
    L"cbxDisplay",
    {{4, 3, 88, 23}, NotationCaptions(), Options{}.notation, 15},
    L"Select Color Mode"};
const ControlDesign<Edit> kCodeBox{L"edtColor", {{4, 29, 88, 23}}};
const ControlDesign<Button> kCopyCodeButton{
    L"btnCopy", {{4, 55, 42, 23}, L"Copy"}, L"Copy Color String to Clipboard"};
const ControlDesign<Button> kSetCodeButton{
    L"btnSet", {{49, 55, 42, 23}, L"Set"}, L"Set Color to Color String"};

const ControlDesign<Panel> kPalettePanel{L"pnlPalette", {{3, 194, 306, 53}, kButtonFaceColor}};
const ControlDesign<Label> kPaletteLabel{L"lblPalette", {6, 2, L"Palette"}};
const ControlDesign<Label> kPaletteNameLabel{L"lblPalettename", {47, 2, L""}};
const ControlDesign<Label> kPaletteChangedMark{
    L"lblpalettechanged", {98, 23, L"b", false, 16, 16}, L"palette has changed"};
const FontDesign kPaletteChangedMarkFont{L"Marlett", 16, FW_NORMAL};
const ControlDesign<Button> kLoadPaletteButton{
    L"btnLoadPalette", {{5, 20, 42, 23}, L"Load"}, L"Load Palette"};
const ControlDesign<Button> kSavePaletteButton{
    L"btnSavePalette", {{50, 20, 42, 23}, L"Save"}, L"Save Palette"};

ControlDesign<Panel> SlotDesign(int slot) {
  // Made once: the design keeps pointers to the names.
  static const auto names = [] {
    std::array<std::wstring, kSlotCount> made;
    for (int i = 0; i < kSlotCount; ++i)
      made[static_cast<size_t>(i)] = L"mempan" + std::to_wstring(i + 1);
    return made;
  }();
  const int column = slot % 6;
  const Rect bounds = SlotInPalettePanel(slot) ? Rect{120 + 31 * column, 2, 28, 23}
                                               : Rect{123 + 31 * column, 221, 28, 23};
  return {names[static_cast<size_t>(slot)].c_str(),
          {bounds, kDefaultSlotColors[static_cast<size_t>(slot)], Bevel::Lowered},
          L"Color Storage"};
}

const ControlDesign<Panel> kNamesPanel{L"pnlHTMLColor",
                                       {{3, 249, 252, 30}, kButtonFaceColor, Bevel::None}};
const ControlDesign<Label> kNamesLabel{L"lblHTMLColor", {6, 8, L"Names"}};
const ControlDesign<ComboBox> kNamesList{L"cbxColors", {{51, 4, 197, 22}, {}, -1, 16, true, 16}};

const ControlDesign<Panel> kWindowButtonsPanel{L"pnlButtonsBottom",
                                               {{257, 249, 52, 30}, kButtonFaceColor}};
const ControlDesign<SpeedButton> kSettingsButton{
    L"btnOptions", {{2, 4, 23, 23}, L"6"}, L"Settings"};
const ControlDesign<SpeedButton> kCloseButton{L"btnClose", {{27, 4, 23, 23}, L"r"}, L"Close"};
const FontDesign kWindowButtonsFont{L"Marlett", 12, FW_NORMAL};

const ControlDesign<Panel> kMagnifierPanel{L"pnlMagnifier",
                                           {{311, 111, 172, 168}, kScrollBarColor, Bevel::None}};
const ControlDesign<SpeedButton> kGrabButton{L"btnGrab", {{4, 3, 26, 26}}, L"Grab Color"};
// Drops down with every factor at once.
const ControlDesign<ComboBox> kZoomList{
    L"cbxZoom", {{34, 5, 81, 23}, ZoomCaptions(), Options{}.zoomIndex, kMaxZoom}};
const ControlDesign<Label> kXCaption{L"lblX", {119, 1, L"x :"}};
const ControlDesign<Label> kYCaption{L"lblY", {119, 15, L"y :"}};
const ControlDesign<Label> kXCoordinate{L"lblXPos", {162, 2, L"", true}};
const ControlDesign<Label> kYCoordinate{L"lblYPos", {162, 16, L"", true}};
const ControlDesign<Panel> kMagnifierArea{L"pnlMagnifierArea",
                                          {{3, 32, 167, 134},
                                           k3DLightColor,
                                           Bevel::None,
                                           Bevel::Lowered,
                                           L"drag grabber over\r\nany area to magnify\r\n"}};
const ControlDesign<Image> kCaptureImage{L"Image1", {{1, 1, 165, 132}, true}};
const ControlDesign<Image> kMagnifiedImage{L"imgMagnifier", {{1, 1, 165, 132}, true}};

const std::array<const wchar_t*, 31> kDragSurfaces = {
    kEditButtonsPanel.name, kRgbPanel.name,         kRgbRows[2].label.name,
    kRgbRows[1].label.name, kRgbRows[0].label.name, kBrightnessLabel.name,
    kBrightnessStrip.name,  kRgbRows[2].strip.name, kRgbRows[1].strip.name,
    kRgbRows[0].strip.name, kHsvPanel.name,         kHsvRows[2].label.name,
    kHsvRows[1].label.name, kHsvRows[0].label.name, kHsvRows[0].strip.name,
    kHsvRows[1].strip.name, kHsvRows[2].strip.name, kPalettePanel.name,
    kPaletteLabel.name,     kPaletteNameLabel.name, kPaletteChangedMark.name,
    kNamesPanel.name,       kNamesLabel.name,       kCodePanel.name,
    kMagnifierPanel.name,   kXCaption.name,         kYCaption.name,
    kYCoordinate.name,      kXCoordinate.name,      kWindowButtonsPanel.name,
    kWheelPanel.name};

}  // namespace tw::win::design
