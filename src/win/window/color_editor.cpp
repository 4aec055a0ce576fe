#include "win/window/color_editor.h"

#include <windows.h>
#include <commdlg.h>

#include <chrono>
#include <stdexcept>
#include <string>

#include "core/color/channel_editing.h"
#include "core/color/conversions.h"
#include "core/color/gradients.h"
#include "core/color/integer_text.h"
#include "core/color/rounding.h"
#include "win/platform/text.h"
#include "win/window/design/controls.h"
#include "win/window/design/menus.h"

namespace tw::win {
namespace {

constexpr int kHueLimit = 360;
constexpr int kComponentLimit = 255;
constexpr wchar_t kBackspace = 8;

bool IsCtrlDown() {
  BYTE keys[256];
  return GetKeyboardState(keys) && (keys[VK_CONTROL] & 0x80) != 0;
}

// What a box holds as a number: empty text is 0, anything else that is no
// integer is a conversion error, reported like any other.
int BoxNumber(const Edit& box) {
  const std::string text = Narrow(box.Text());
  const std::optional<std::int32_t> value = ParseIntegerEmptyAsZero(text);
  if (!value) throw std::runtime_error("'" + text + "' is not a valid integer value");
  return *value;
}

std::optional<TColor> ColorFromHsv(double hue, double saturation, double value) {
  const std::optional<Rgb> rgb = HSVToRGB(hue, saturation, value);
  if (!rgb) return std::nullopt;
  return MakeColor(rgb->red, rgb->green, rgb->blue);
}

// Digits and Backspace are typed; the clipboard keys stay usable too.
void KeepDigitsOnly(wchar_t& key) {
  const bool clipboardKey = key == 1 || key == 3 || key == 22 || key == 24;  // Ctrl+A, C, V, X
  if ((key < L'0' || key > L'9') && key != kBackspace && !clipboardKey) key = 0;
}

}  // namespace

ColorEditor::ColorEditor(Form& form, CurrentColor& color, ColorFrame& frame)
    : form_(form),
      color_(color),
      frame_(frame),
      // Seeded once per run from the clock, so every run draws differently.
      random_(
          static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
  CreateRows(form);
  CreateButtons(form);
  PaintStartupRamps();
  BindHandlers();
}

void ColorEditor::CreateRows(Form& form) {
  auto addRow = [&form](Panel& panel, const design::ChannelRowDesign& row) {
    return ChannelRow{&form.Add(panel, row.label), &form.Add(panel, row.box),
                      &form.Add(panel, row.bar), &form.Add(panel, row.strip)};
  };
  rgbPanel_ = &form.Add(form, design::kRgbPanel);
  for (size_t i = 0; i < 3; ++i) rows_[i] = addRow(*rgbPanel_, design::kRgbRows[i]);
  form.Add(*rgbPanel_, design::kBrightnessLabel);
  brightnessBar_ = &form.Add(*rgbPanel_, design::kBrightnessBar);
  brightnessStrip_ = &form.Add(*rgbPanel_, design::kBrightnessStrip);
  hsvPanel_ = &form.Add(form, design::kHsvPanel);
  for (size_t i = 0; i < 3; ++i) rows_[3 + i] = addRow(*hsvPanel_, design::kHsvRows[i]);
}

void ColorEditor::CreateButtons(Form& form) {
  buttonsPanel_ = &form.Add(form, design::kEditButtonsPanel);
  invertButton_ = &form.Add(*buttonsPanel_, design::kInvertButton);
  randomButton_ = &form.Add(*buttonsPanel_, design::kRandomButton);
  dialogButton_ = &form.Add(*buttonsPanel_, design::kColorDialogButton);
  undoButton_ = &form.Add(*buttonsPanel_, design::kUndoButton);
  redoButton_ = &form.Add(*buttonsPanel_, design::kRedoButton);
  wheelPanel_ = &form.Add(form, design::kWheelPanel);
  wheel_ = &form.Add(*wheelPanel_, design::kWheel);
}

void ColorEditor::PaintStartupRamps() {
  const std::pair<Image*, RampColor> ramps[] = {
      {&Strip(Channel::kRed), RampColor::kRed},   {&Strip(Channel::kGreen), RampColor::kGreen},
      {&Strip(Channel::kBlue), RampColor::kBlue}, {brightnessStrip_, RampColor::kGray},
      {&Strip(Channel::kHue), RampColor::kRed},   {&Strip(Channel::kSaturation), RampColor::kRed},
      {&Strip(Channel::kValue), RampColor::kRed},
  };
  for (const auto& [image, ramp] : ramps) {
    PaintRamp(image->Picture(image->Width(), image->Height()), ramp);
    image->Changed();
  }
}

void ColorEditor::BindHandlers() {
  for (const ChannelRow& row : rows_) {
    row.box->OnKeyPress = [](Edit&, wchar_t& key) { KeepDigitsOnly(key); };
    row.box->OnExit = [this](Edit& box) { OnBoxLeft(box); };
  }
  invertButton_->OnClick = [this](Button&) { Invert(); };
  randomButton_->OnClick = [this](Button&) { PickRandom(); };
  dialogButton_->OnClick = [this](Button&) { ChooseWithDialog(); };
  undoButton_->OnClick = [this](Button&) { color_.Undo(); };
  redoButton_->OnClick = [this](Button&) { color_.Redo(); };
  BindWheelHandlers();
  AttachChangeHandlers();
}

void ColorEditor::AddUndoMenuItems(MenuItem& mainMenu) {
  mainMenu.Add(design::kUndoItem).OnClick = [this](MenuItem&) { color_.Undo(); };
  mainMenu.Add(design::kRedoItem).OnClick = [this](MenuItem&) { color_.Redo(); };
}

void ColorEditor::DetachChangeHandlers() {
  for (const ChannelRow& row : rows_) {
    row.box->OnChange = nullptr;
    row.bar->OnChange = nullptr;
  }
  brightnessBar_->OnChange = nullptr;
}

void ColorEditor::AttachChangeHandlers() {
  for (size_t i = 0; i < rows_.size(); ++i) {
    const bool rgb = i < 3;
    const ColorSource boxes = rgb ? ColorSource::kRgbBoxes : ColorSource::kHsvBoxes;
    const ColorSource bars = rgb ? ColorSource::kRgbBars : ColorSource::kHsvBars;
    rows_[i].box->OnChange = [this, boxes](Edit&) { OnChannelChanged(boxes); };
    rows_[i].bar->OnChange = [this, bars](ScrollBar&) { OnChannelChanged(bars); };
  }
  brightnessBar_->OnChange = [this](ScrollBar&) { OnBrightnessChanged(); };
}

std::array<int, 3> ColorEditor::RgbBoxNumbers() const {
  return {BoxNumber(Box(Channel::kRed)), BoxNumber(Box(Channel::kGreen)),
          BoxNumber(Box(Channel::kBlue))};
}

std::optional<TColor> ColorEditor::ColorFromControls(ColorSource source) const {
  auto bar = [this](Channel channel) { return Bar(channel).Position(); };
  auto box = [this](Channel channel) { return BoxNumber(Box(channel)); };
  switch (source) {
    case ColorSource::kRgbBoxes: {
      const std::array<int, 3> rgb = RgbBoxNumbers();
      return MakeColor(rgb[0], rgb[1], rgb[2]);
    }
    case ColorSource::kRgbBars:
      return MakeColor(bar(Channel::kRed), bar(Channel::kGreen), bar(Channel::kBlue));
    case ColorSource::kHsvBoxes:
      return ColorFromHsv(box(Channel::kHue), box(Channel::kSaturation), box(Channel::kValue));
    case ColorSource::kHsvBars:
      return ColorFromHsv(bar(Channel::kHue), bar(Channel::kSaturation), bar(Channel::kValue));
    case ColorSource::kOther:
      break;
  }
  return color_.Value();
}

void ColorEditor::OnChannelChanged(ColorSource source) {
  // Read the controls first: text that is no number abandons the change.
  color_.Take(ColorFromControls(source), source);
}

void ColorEditor::ShowColor(TColor color, ColorSource source) {
  auto setBox = [this](Channel channel, std::int64_t value) {
    Box(channel).SetText(std::to_wstring(value));
  };
  if (source != ColorSource::kRgbBoxes) {
    setBox(Channel::kRed, RedOf(color));
    setBox(Channel::kGreen, GreenOf(color));
    setBox(Channel::kBlue, BlueOf(color));
  }
  // The boxes, not the frame, drive the rest: a red of 300 being typed moves
  // the bar to its end while the frame shows the low 8 bits.
  const auto [r, g, b] = RgbBoxNumbers();
  if (source != ColorSource::kRgbBars) {
    Bar(Channel::kRed).SetPosition(r);
    Bar(Channel::kGreen).SetPosition(g);
    Bar(Channel::kBlue).SetPosition(b);
  }
  brightnessBar_->SetPosition(static_cast<int>(Trunc((r + g + b) / 3.0)));
  Hsv hsv;
  if (source == ColorSource::kHsvBoxes) {
    hsv = {static_cast<double>(BoxNumber(Box(Channel::kHue))),
           static_cast<double>(BoxNumber(Box(Channel::kSaturation))),
           static_cast<double>(BoxNumber(Box(Channel::kValue)))};
  } else if (source == ColorSource::kHsvBars) {
    hsv = {static_cast<double>(Bar(Channel::kHue).Position()),
           static_cast<double>(Bar(Channel::kSaturation).Position()),
           static_cast<double>(Bar(Channel::kValue).Position())};
  } else {
    hsv = RGBToHSV(r, g, b);
  }
  if (source != ColorSource::kHsvBoxes) {
    setBox(Channel::kHue, Round(hsv.H));
    setBox(Channel::kSaturation, Round(hsv.S));
    setBox(Channel::kValue, Round(hsv.V));
  }
  if (source != ColorSource::kHsvBars) {
    Bar(Channel::kHue).SetPosition(static_cast<int>(Round(hsv.H)));
    Bar(Channel::kSaturation).SetPosition(static_cast<int>(Round(hsv.S)));
    Bar(Channel::kValue).SetPosition(static_cast<int>(Round(hsv.V)));
  }
}

void ColorEditor::OnBrightnessChanged() {
  {
    HandlersDetached detached(*this);
    const std::array<int, 3> rgb =
        RedistributeBrightness({Bar(Channel::kRed).Position(), Bar(Channel::kGreen).Position(),
                                Bar(Channel::kBlue).Position()},
                               brightnessBar_->Position());
    Bar(Channel::kRed).SetPosition(rgb[0]);
    Bar(Channel::kGreen).SetPosition(rgb[1]);
    Bar(Channel::kBlue).SetPosition(rgb[2]);
  }
  OnChannelChanged(ColorSource::kRgbBars);
}

void ColorEditor::OnBoxLeft(Edit& box) {
  // The hue box reaches 360 like its bar; the other components stop at 255.
  const int limit = &box == &Box(Channel::kHue) ? kHueLimit : kComponentLimit;
  box.SetText(Widen(NormalizeComponentText(Narrow(box.Text()), limit)));
}

void ColorEditor::Invert() {
  color_.Set(InvertColor(color_.Value(), DesktopSystemColor), true);
  // With Ctrl held the frame's text is inverted too.
  if (IsCtrlDown()) frame_.SetTextColor(InvertColor(frame_.TextColor(), DesktopSystemColor));
}

void ColorEditor::PickRandom() {
  std::uniform_int_distribution<int> channel(0, 254);
  const int red = channel(random_);
  const int green = channel(random_);
  const int blue = channel(random_);
  color_.Set(MakeColor(red, green, blue), true);
}

void ColorEditor::ChooseWithDialog() {
  static COLORREF customColors[16] = {};
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = form_.Handle();
  dialog.rgbResult = ToColorRef(color_.Value());
  dialog.lpCustColors = customColors;
  dialog.Flags = CC_RGBINIT;
  if (!ChooseColorW(&dialog)) return;
  color_.Set(static_cast<TColor>(dialog.rgbResult & 0xFFFFFF), true);
}

}  // namespace tw::win
