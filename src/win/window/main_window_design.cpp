// The component tree of the main window as designed, at 96 dpi: places,
// sizes, captions, ranges and hints. Behaviour is bound elsewhere.
#include <windows.h>
#include <commctrl.h>

#include "core/color/color_codes.h"
#include "resource_ids.h"
#include "win/platform/text.h"
#include "win/window/main_window.h"

namespace tw::win {
namespace {

constexpr TColor kFormColor = 6776679;  // gray 103, 103, 103
constexpr TColor kStartColor = 0x00E16941;
constexpr TColor kBlack = 0;

// Default colors of the twelve palette slots, as #RRGGBB.
constexpr std::array<std::uint32_t, 12> kSlotDefaults = {0xF400A1, 0xCEFF00, 0x40E0D0, 0x66DDAA,
                                                         0xFFDB00, 0xBA55D3, 0x0FC0FC, 0xFF0800,
                                                         0x0048BA, 0x00FF00, 0x008080, 0xD40000};

TColor FromRgbHex(std::uint32_t rgb) {
  return MakeColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

LOGFONTW MakeFont(const wchar_t* name, int height, int weight) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfCharSet = name == std::wstring_view(L"Marlett") ? SYMBOL_CHARSET : DEFAULT_CHARSET;
  wcsncpy(font.lfFaceName, name, LF_FACESIZE - 1);
  return font;
}

// One row of an editing panel: label, edit box, scroll bar and gradient strip.
struct ColorRow {
  const wchar_t* label;
  const wchar_t* labelName;
  const wchar_t* editName;
  const wchar_t* editHint;
  const wchar_t* barName;
  const wchar_t* barHint;
  const wchar_t* stripName;
  int editTop;
  int barTop;
  int stripTop;
  int max;
};

}  // namespace

void TfrmColorPick::CreateComponents() {
  pnlColor = &Add<Panel>(
      *this, L"pnlColor",
      Panel::Design{{5, 5, 91, 101}, kStartColor, Bevel::None, Bevel::None, L"Tintwright"});
  pnlColor->SetOwnFont(MakeFont(L"Segoe UI", -Scale(13), FW_BOLD));
  CreateColorControls();
  CreateCodeAndPaletteControls();
  CreateMagnifierControls();
}

void TfrmColorPick::CreateColorControls() {
  const ColorRow rgbRows[] = {
      {L"Red", L"lblRed", L"CurrencyEdit1", L"Red Value", L"ScrollBarRed", L"Adjust Red Value",
       L"imgRed", 9, 10, 4, 255},
      {L"Green", L"lblGreen", L"CurrencyEdit2", L"Green Value", L"ScrollBarGreen",
       L"Adjust Green Value", L"imgGreen", 34, 35, 29, 255},
      {L"Blue", L"lblBlue", L"CurrencyEdit3", L"Blue Value", L"ScrollBarBlue", L"Adjust Blue Value",
       L"imgBlue", 59, 60, 54, 255},
  };
  const ColorRow hsvRows[] = {
      {L"Hue", L"lblHue", L"CurrencyEdit4", L"Hue Value", L"ScrollBarHue", L"Adjust Hue", L"imgHue",
       8, 9, 3, 360},
      {L"Satur.", L"lblSaturation", L"CurrencyEdit5", L"Saturation Value", L"ScrollBarSaturation",
       L"Adjust Saturation", L"imgSatur", 33, 34, 28, 255},
      {L"Value", L"lblValue", L"CurrencyEdit6", L"Value", L"ScrollBarValue",
       L"Adjust Brightness Value", L"imgValue", 58, 59, 53, 255},
  };
  struct RowControls {
    Label* label;
    Edit* edit;
    ScrollBar* bar;
    Image* strip;
  };
  auto addRow = [this](Panel& panel, const ColorRow& row) {
    RowControls controls{};
    controls.label =
        &Add<Label>(panel, row.labelName, Label::Design{3, row.editTop + 3, row.label});
    controls.edit =
        &Add<Edit>(panel, row.editName, Edit::Design{{36, row.editTop, 29, 20}, L"0", true, 3});
    controls.edit->SetHint(row.editHint);
    controls.bar = &Add<ScrollBar>(panel, row.barName,
                                   ScrollBar::Design{{65, row.barTop, 137, 16}, 0, row.max, 1, 10});
    controls.bar->SetHint(row.barHint);
    controls.strip = &Add<Image>(panel, row.stripName, Image::Design{{81, row.stripTop, 105, 5}});
    return controls;
  };

  pnlRGB = &Add<Panel>(*this, L"pnlRGB", Panel::Design{{101, 3, 208, 106}, kButtonFaceColor});
  const RowControls red = addRow(*pnlRGB, rgbRows[0]);
  const RowControls green = addRow(*pnlRGB, rgbRows[1]);
  const RowControls blue = addRow(*pnlRGB, rgbRows[2]);
  std::tie(lblRed, CurrencyEdit1, ScrollBarRed, imgRed) =
      std::tie(red.label, red.edit, red.bar, red.strip);
  std::tie(lblGreen, CurrencyEdit2, ScrollBarGreen, imgGreen) =
      std::tie(green.label, green.edit, green.bar, green.strip);
  std::tie(lblBlue, CurrencyEdit3, ScrollBarBlue, imgBlue) =
      std::tie(blue.label, blue.edit, blue.bar, blue.strip);
  lblBrightness = &Add<Label>(*pnlRGB, L"lblBrightness", Label::Design{3, 86, L"Brightness"});
  ScrollBarBrightness = &Add<ScrollBar>(*pnlRGB, L"ScrollBarBrightness",
                                        ScrollBar::Design{{65, 85, 137, 16}, 0, 255, 1, 10});
  ScrollBarBrightness->SetHint(L"Adjust Brightness");
  imgBrightness = &Add<Image>(*pnlRGB, L"imgBrightness", Image::Design{{81, 79, 105, 5}});

  pnlHSV = &Add<Panel>(*this, L"pnlHSV", Panel::Design{{101, 111, 208, 81}, kButtonFaceColor});
  const RowControls hue = addRow(*pnlHSV, hsvRows[0]);
  const RowControls saturation = addRow(*pnlHSV, hsvRows[1]);
  const RowControls value = addRow(*pnlHSV, hsvRows[2]);
  std::tie(lblHue, CurrencyEdit4, ScrollBarHue, imgHue) =
      std::tie(hue.label, hue.edit, hue.bar, hue.strip);
  std::tie(lblSaturation, CurrencyEdit5, ScrollBarSaturation, imgSatur) =
      std::tie(saturation.label, saturation.edit, saturation.bar, saturation.strip);
  std::tie(lblValue, CurrencyEdit6, ScrollBarValue, imgValue) =
      std::tie(value.label, value.edit, value.bar, value.strip);

  pnlButtons =
      &Add<Panel>(*this, L"pnlButtons", Panel::Design{{311, 3, 65, 106}, kButtonFaceColor});
  btnInvert = &Add<Button>(*pnlButtons, L"btnInvert", Button::Design{{4, 4, 57, 23}, L"Invert"});
  btnInvert->SetHint(L"Invert Color");
  btnRandom = &Add<Button>(*pnlButtons, L"btnRandom", Button::Design{{4, 29, 57, 23}, L"Random"});
  btnRandom->SetHint(L"Pick Random Color");
  btnDialog = &Add<Button>(*pnlButtons, L"btnDialog", Button::Design{{4, 54, 57, 23}, L"Dialog"});
  btnDialog->SetHint(L"Show Color Dialog");
  btnUndo = &Add<Button>(*pnlButtons, L"btnUndo", Button::Design{{4, 79, 28, 23}, L"<"});
  btnUndo->SetHint(L"Undo Color Change");
  btnRedo = &Add<Button>(*pnlButtons, L"btnRedo", Button::Design{{33, 79, 28, 23}, L">"});
  btnRedo->SetHint(L"Redo Color Change");

  pnlCircle = &Add<Panel>(*this, L"pnlCircle", Panel::Design{{378, 3, 105, 106}, kBlack});
  imgColorWheel = &Add<Image>(*pnlCircle, L"imgColorWheel", Image::Design{{1, 1, 103, 103}});
}

void TfrmColorPick::CreateCodeAndPaletteControls() {
  pnlColorCode =
      &Add<Panel>(*this, L"pnlColorCode", Panel::Design{{3, 111, 96, 81}, kButtonFaceColor});
  std::vector<std::wstring> notations;
  for (std::string_view name : kNotationNames) notations.push_back(Widen(name));
  cbxDisplay = &Add<ComboBox>(*pnlColorCode, L"cbxDisplay",
                              ComboBox::Design{{4, 3, 88, 23}, notations, 0, 15});
  cbxDisplay->SetHint(L"Select Color Mode");
  edtColor = &Add<Edit>(*pnlColorCode, L"edtColor", Edit::Design{{4, 29, 88, 23}});
  btnCopy = &Add<Button>(*pnlColorCode, L"btnCopy", Button::Design{{4, 55, 42, 23}, L"Copy"});
  btnCopy->SetHint(L"Copy Color String to Clipboard");
  btnSet = &Add<Button>(*pnlColorCode, L"btnSet", Button::Design{{49, 55, 42, 23}, L"Set"});
  btnSet->SetHint(L"Set Color to Color String");

  pnlPalette =
      &Add<Panel>(*this, L"pnlPalette", Panel::Design{{3, 194, 306, 53}, kButtonFaceColor});
  lblPalette = &Add<Label>(*pnlPalette, L"lblPalette", Label::Design{6, 2, L"Palette"});
  lblPalettename = &Add<Label>(*pnlPalette, L"lblPalettename", Label::Design{47, 2, L""});
  lblpalettechanged =
      &Add<Label>(*pnlPalette, L"lblpalettechanged", Label::Design{98, 23, L"b", false, 16, 16});
  lblpalettechanged->SetOwnFont(MakeFont(L"Marlett", -Scale(16), FW_NORMAL));
  lblpalettechanged->SetHint(L"palette has changed");
  lblpalettechanged->SetVisible(false);
  btnLoadPalette =
      &Add<Button>(*pnlPalette, L"btnLoadPalette", Button::Design{{5, 20, 42, 23}, L"Load"});
  btnLoadPalette->SetHint(L"Load Palette");
  btnSavePalette =
      &Add<Button>(*pnlPalette, L"btnSavePalette", Button::Design{{50, 20, 42, 23}, L"Save"});
  btnSavePalette->SetHint(L"Save Palette");
  for (int slot = 0; slot < 12; ++slot) {
    // The upper row lies in the palette panel, the lower one on the window.
    const bool upper = slot < 6;
    const int column = slot % 6;
    Control& parent = upper ? static_cast<Control&>(*pnlPalette) : *this;
    const Rect bounds =
        upper ? Rect{120 + 31 * column, 2, 28, 23} : Rect{123 + 31 * column, 221, 28, 23};
    mempan[slot] =
        &Add<Panel>(parent, L"mempan" + std::to_wstring(slot + 1),
                    Panel::Design{bounds, FromRgbHex(kSlotDefaults[slot]), Bevel::Lowered});
    mempan[slot]->SetHint(L"Color Storage");
  }

  pnlHTMLColor = &Add<Panel>(*this, L"pnlHTMLColor",
                             Panel::Design{{3, 249, 252, 30}, kButtonFaceColor, Bevel::None});
  lblHTMLColor = &Add<Label>(*pnlHTMLColor, L"lblHTMLColor", Label::Design{6, 8, L"Names"});
  cbxColors = &Add<ComboBox>(*pnlHTMLColor, L"cbxColors",
                             ComboBox::Design{{51, 4, 197, 22}, {}, -1, 16, true, 16});

  pnlButtonsBottom =
      &Add<Panel>(*this, L"pnlButtonsBottom", Panel::Design{{257, 249, 52, 30}, kButtonFaceColor});
  btnOptions = &Add<SpeedButton>(*pnlButtonsBottom, L"btnOptions",
                                 SpeedButton::Design{{2, 4, 23, 23}, L"6"});
  btnOptions->SetOwnFont(MakeFont(L"Marlett", -Scale(12), FW_NORMAL));
  btnOptions->SetHint(L"Settings");
  btnClose =
      &Add<SpeedButton>(*pnlButtonsBottom, L"btnClose", SpeedButton::Design{{27, 4, 23, 23}, L"r"});
  btnClose->SetOwnFont(MakeFont(L"Marlett", -Scale(12), FW_NORMAL));
  btnClose->SetHint(L"Close");
}

void TfrmColorPick::CreateMagnifierControls() {
  pnlMagnifier = &Add<Panel>(*this, L"pnlMagnifier",
                             Panel::Design{{311, 111, 172, 168}, kScrollBarColor, Bevel::None});
  ImageList1 =
      ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_GRAB_GLYPHS),
                           GRAB_GLYPH_SIZE, 0, GRAB_GLYPH_KEY, IMAGE_BITMAP, LR_CREATEDIBSECTION);
  btnGrab = &Add<SpeedButton>(*pnlMagnifier, L"btnGrab", SpeedButton::Design{{4, 3, 26, 26}});
  btnGrab->SetGlyph(ImageList1, 0);
  btnGrab->SetHint(L"Grab Color");
  std::vector<std::wstring> zooms;
  for (int factor = 1; factor <= 20; ++factor)
    zooms.push_back(L"Zoom x " + std::to_wstring(factor));
  cbxZoom =
      &Add<ComboBox>(*pnlMagnifier, L"cbxZoom", ComboBox::Design{{34, 5, 81, 23}, zooms, 4, 20});
  lblX = &Add<Label>(*pnlMagnifier, L"lblX", Label::Design{119, 1, L"x :"});
  lblY = &Add<Label>(*pnlMagnifier, L"lblY", Label::Design{119, 15, L"y :"});
  lblXPos = &Add<Label>(*pnlMagnifier, L"lblXPos", Label::Design{162, 2, L"", true});
  lblYPos = &Add<Label>(*pnlMagnifier, L"lblYPos", Label::Design{162, 16, L"", true});
  pnlMagnifierArea = &Add<Panel>(*pnlMagnifier, L"pnlMagnifierArea",
                                 Panel::Design{{3, 32, 167, 134},
                                               k3DLightColor,
                                               Bevel::None,
                                               Bevel::Lowered,
                                               L"drag grabber over\r\nany area to magnify\r\n"});
  Image1 = &Add<Image>(*pnlMagnifierArea, L"Image1", Image::Design{{1, 1, 165, 132}, true});
  imgMagnifier =
      &Add<Image>(*pnlMagnifierArea, L"imgMagnifier", Image::Design{{1, 1, 165, 132}, true});
  Timer1 = &AddTimer(L"Timer1", 40);
}

}  // namespace tw::win
