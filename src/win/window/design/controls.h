#pragma once

// The design table of the main window's controls: every control's name, its
// place and size at 96 dpi, caption, range and hint. The names are the ones
// that settings keys, tests and outside programs know the controls by; the
// code names each control for what it does and finds its name only here.

#include <array>

#include "win/widgets/button.h"
#include "win/widgets/combo_box.h"
#include "win/widgets/edit.h"
#include "win/widgets/form.h"
#include "win/widgets/image.h"
#include "win/widgets/label.h"
#include "win/widgets/panel.h"
#include "win/widgets/scroll_bar.h"
#include "win/widgets/speed_button.h"

namespace tw::win::design {

// A font of a control's own, at 96 dpi.
struct FontDesign {
  const wchar_t* face;
  int height;  // character height in pixels
  int weight;
};

// The font scaled to the window's resolution.
LOGFONTW ScaledFont(const Form& form, const FontDesign& font);

// The window itself.
inline constexpr wchar_t kMainWindowName[] = L"frmColorPick";
// Owned by the application's hidden window, which holds the taskbar button.
Form::Design MainWindowDesign(HWND ownerWindow);

// The color frame: shows the current color, with the program's name on it.
extern const ControlDesign<Panel> kColorFrame;
extern const FontDesign kColorFrameFont;
inline constexpr wchar_t kColorFrameText[] = L"Tintwright";

// One row of an editing panel: label, number box, scroll bar, gradient strip.
struct ChannelRowDesign {
  ControlDesign<Label> label;
  ControlDesign<Edit> box;
  ControlDesign<ScrollBar> bar;
  ControlDesign<Image> strip;
};

extern const ControlDesign<Panel> kRgbPanel;
extern const std::array<ChannelRowDesign, 3> kRgbRows;  // red, green, blue
extern const ControlDesign<Label> kBrightnessLabel;
extern const ControlDesign<ScrollBar> kBrightnessBar;
extern const ControlDesign<Image> kBrightnessStrip;
extern const ControlDesign<Panel> kHsvPanel;
extern const std::array<ChannelRowDesign, 3> kHsvRows;  // hue, saturation, value

extern const ControlDesign<Panel> kEditButtonsPanel;
extern const ControlDesign<Button> kInvertButton;
extern const ControlDesign<Button> kRandomButton;
extern const ControlDesign<Button> kColorDialogButton;
extern const ControlDesign<Button> kUndoButton;
extern const ControlDesign<Button> kRedoButton;
extern const ControlDesign<Panel> kWheelPanel;
extern const ControlDesign<Image> kWheel;

// The color code.
extern const ControlDesign<Panel> kCodePanel;
extern const ControlDesign<ComboBox> kNotationList;
extern const ControlDesign<Edit> kCodeBox;
extern const ControlDesign<Button> kCopyCodeButton;
extern const ControlDesign<Button> kSetCodeButton;

// The palette: six slots in the palette panel, six more below it on the
// window.
inline constexpr int kSlotCount = 12;
extern const ControlDesign<Panel> kPalettePanel;
extern const ControlDesign<Label> kPaletteLabel;
extern const ControlDesign<Label> kPaletteNameLabel;
extern const ControlDesign<Label> kPaletteChangedMark;
extern const FontDesign kPaletteChangedMarkFont;
extern const ControlDesign<Button> kLoadPaletteButton;
extern const ControlDesign<Button> kSavePaletteButton;
// Slot 0 … 11, with its default color; the upper row's parent is the
// palette panel, the lower row's the window.
ControlDesign<Panel> SlotDesign(int slot);
inline bool SlotInPalettePanel(int slot) { return slot < 6; }

// The named colors.
extern const ControlDesign<Panel> kNamesPanel;
extern const ControlDesign<Label> kNamesLabel;
extern const ControlDesign<ComboBox> kNamesList;

// The settings and close buttons.
extern const ControlDesign<Panel> kWindowButtonsPanel;
extern const ControlDesign<SpeedButton> kSettingsButton;
extern const ControlDesign<SpeedButton> kCloseButton;
extern const FontDesign kWindowButtonsFont;

// The eyedropper and the magnifier.
extern const ControlDesign<Panel> kMagnifierPanel;
extern const ControlDesign<SpeedButton> kGrabButton;
extern const ControlDesign<ComboBox> kZoomList;
extern const ControlDesign<Label> kXCaption;
extern const ControlDesign<Label> kYCaption;
extern const ControlDesign<Label> kXCoordinate;
extern const ControlDesign<Label> kYCoordinate;
extern const ControlDesign<Panel> kMagnifierArea;
extern const ControlDesign<Image> kCaptureImage;
extern const ControlDesign<Image> kMagnifiedImage;
inline constexpr wchar_t kSampleTimerName[] = L"Timer1";

// The surfaces by which the window can be dragged (a press of any button on
// them moves it), besides the window itself.
extern const std::array<const wchar_t*, 31> kDragSurfaces;
inline constexpr UINT kSampleInterval = 40;  // milliseconds: 25 samples a second

}  // namespace tw::win::design
