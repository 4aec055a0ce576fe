// One current color, and every editing control kept in step with it.
#include <windows.h>
#include <commdlg.h>

#include <chrono>
#include <stdexcept>

#include "core/color/channel_editing.h"
#include "core/color/conversions.h"
#include "core/color/integer_text.h"
#include "core/color/rounding.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::win {
namespace {

enum Source {
  kDirect = 0,
  kRgbEdits = 2,
  kRgbBars = 3,
  kHsvEdits = 4,
  kHsvBars = 5,
  kMagnifierPixel = 6
};

constexpr int kHueLimit = 360;
constexpr int kComponentLimit = 255;
constexpr wchar_t kBackspace = 8;

bool IsCtrlDown() {
  BYTE keys[256];
  return GetKeyboardState(keys) && (keys[VK_CONTROL] & 0x80) != 0;
}

// Change handlers stay detached while the controls are rewritten, and are
// attached again on every way out.
class ChangesDetached {
 public:
  explicit ChangesDetached(TfrmColorPick& window) : window_(window) { window_.disablechanges(); }
  ~ChangesDetached() { window_.enablechanges(); }
  ChangesDetached(const ChangesDetached&) = delete;
  ChangesDetached& operator=(const ChangesDetached&) = delete;

 private:
  TfrmColorPick& window_;
};

std::wstring Decimal(std::int64_t value) { return std::to_wstring(value); }

}  // namespace

int EditValue(const Edit& edit) {
  const std::string text = Narrow(edit.Text());
  const std::optional<std::int32_t> value = StrToIntOrZero(text);
  if (!value) throw std::runtime_error("'" + text + "' is not a valid integer value");
  return *value;
}

void TfrmColorPick::disablechanges() {
  for (Edit* edit :
       {CurrencyEdit1, CurrencyEdit2, CurrencyEdit3, CurrencyEdit4, CurrencyEdit5, CurrencyEdit6}) {
    edit->OnChange = nullptr;
  }
  for (ScrollBar* bar : {ScrollBarRed, ScrollBarGreen, ScrollBarBlue, ScrollBarBrightness,
                         ScrollBarHue, ScrollBarSaturation, ScrollBarValue}) {
    bar->OnChange = nullptr;
  }
}

void TfrmColorPick::enablechanges() {
  for (Edit* edit : {CurrencyEdit1, CurrencyEdit2, CurrencyEdit3}) {
    edit->OnChange = [this](Edit&) { CurrencyEdit13Change(); };
  }
  for (Edit* edit : {CurrencyEdit4, CurrencyEdit5, CurrencyEdit6}) {
    edit->OnChange = [this](Edit&) { CurrencyEdit4Change(); };
  }
  for (ScrollBar* bar : {ScrollBarRed, ScrollBarGreen, ScrollBarBlue}) {
    bar->OnChange = [this](ScrollBar&) { ScrollBarBlueChange(); };
  }
  ScrollBarBrightness->OnChange = [this](ScrollBar&) { ScrollBarBrightnessChange(); };
  for (ScrollBar* bar : {ScrollBarHue, ScrollBarSaturation, ScrollBarValue}) {
    bar->OnChange = [this](ScrollBar&) { ScrollBarHueChange(); };
  }
}

std::optional<TColor> TfrmColorPick::ColorFromSource(int ctype) const {
  auto fromHsv = [](double h, double s, double v) -> std::optional<TColor> {
    const std::optional<Rgb> rgb = HSVToRGB(h, s, v);
    if (!rgb) return std::nullopt;
    return MakeColor(rgb->red, rgb->green, rgb->blue);
  };
  switch (ctype) {
    case kRgbEdits:
      return MakeColor(EditValue(*CurrencyEdit1), EditValue(*CurrencyEdit2),
                       EditValue(*CurrencyEdit3));
    case kRgbBars:
      return MakeColor(ScrollBarRed->Position(), ScrollBarGreen->Position(),
                       ScrollBarBlue->Position());
    case kHsvEdits:
      return fromHsv(EditValue(*CurrencyEdit4), EditValue(*CurrencyEdit5),
                     EditValue(*CurrencyEdit6));
    case kHsvBars:
      return fromHsv(ScrollBarHue->Position(), ScrollBarSaturation->Position(),
                     ScrollBarValue->Position());
    case kMagnifierPixel:
      return static_cast<TColor>(edtColor->Tag);
    default:
      return CurrentColor();
  }
}

void TfrmColorPick::UpdateColor(int ctype) {
  // Read the source first: text that is no number abandons the change.
  const std::optional<TColor> color = ColorFromSource(ctype);
  lastcolor = CurrentColor();
  // A hue beyond 360 names no color: the previous one stays.
  if (color) pnlColor->SetColor(*color);
  Application::Instance().ProcessMessages();
  SynchroniseControls(ctype);
}

void TfrmColorPick::SynchroniseControls(int ctype) {
  ChangesDetached detached(*this);
  updatevalues(ctype);
}

void TfrmColorPick::updatevalues(int ctype) {
  const TColor color = CurrentColor();
  if (ctype != kRgbEdits) {
    CurrencyEdit1->SetText(Decimal(RedOf(color)));
    CurrencyEdit2->SetText(Decimal(GreenOf(color)));
    CurrencyEdit3->SetText(Decimal(BlueOf(color)));
  }
  // The boxes, not the frame, drive the rest: a red of 300 being typed moves
  // the bar to its end while the frame shows the low 8 bits.
  const int r = EditValue(*CurrencyEdit1);
  const int g = EditValue(*CurrencyEdit2);
  const int b = EditValue(*CurrencyEdit3);
  if (ctype != kRgbBars) {
    ScrollBarRed->SetPosition(r);
    ScrollBarGreen->SetPosition(g);
    ScrollBarBlue->SetPosition(b);
  }
  ScrollBarBrightness->SetPosition(static_cast<int>(Trunc((r + g + b) / 3.0)));
  Hsv hsv;
  if (ctype == kHsvEdits) {
    hsv = {static_cast<double>(EditValue(*CurrencyEdit4)),
           static_cast<double>(EditValue(*CurrencyEdit5)),
           static_cast<double>(EditValue(*CurrencyEdit6))};
  } else if (ctype == kHsvBars) {
    hsv = {static_cast<double>(ScrollBarHue->Position()),
           static_cast<double>(ScrollBarSaturation->Position()),
           static_cast<double>(ScrollBarValue->Position())};
  } else {
    hsv = RGBToHSV(r, g, b);
  }
  if (ctype != kHsvEdits) {
    CurrencyEdit4->SetText(Decimal(Round(hsv.H)));
    CurrencyEdit5->SetText(Decimal(Round(hsv.S)));
    CurrencyEdit6->SetText(Decimal(Round(hsv.V)));
  }
  if (ctype != kHsvBars) {
    ScrollBarHue->SetPosition(static_cast<int>(Round(hsv.H)));
    ScrollBarSaturation->SetPosition(static_cast<int>(Round(hsv.S)));
    ScrollBarValue->SetPosition(static_cast<int>(Round(hsv.V)));
  }
  findcolorname(color);
  if (lastcolor == color) return;  // nothing below changes with an equal color
  edtColor->SetText(getcolorstring(color));
}

void TfrmColorPick::SetCurrentColor(TColor color, bool undoable) {
  if (undoable) setnewcolor();
  lastcolor = CurrentColor();
  pnlColor->SetColor(color);
  SynchroniseControls(kDirect);
}

void TfrmColorPick::CurrencyEdit13Change() { UpdateColor(kRgbEdits); }
void TfrmColorPick::CurrencyEdit4Change() { UpdateColor(kHsvEdits); }
void TfrmColorPick::ScrollBarBlueChange() { UpdateColor(kRgbBars); }
void TfrmColorPick::ScrollBarHueChange() { UpdateColor(kHsvBars); }

void TfrmColorPick::ScrollBarBrightnessChange() {
  {
    ChangesDetached detached(*this);
    const std::array<int, 3> rgb = RedistributeBrightness(
        {ScrollBarRed->Position(), ScrollBarGreen->Position(), ScrollBarBlue->Position()},
        ScrollBarBrightness->Position());
    ScrollBarRed->SetPosition(rgb[0]);
    ScrollBarGreen->SetPosition(rgb[1]);
    ScrollBarBlue->SetPosition(rgb[2]);
  }
  UpdateColor(kRgbBars);
}

void TfrmColorPick::CurrencyEdit1KeyPress(wchar_t& key) {
  // Digits and Backspace are typed; the clipboard keys stay usable too.
  const bool clipboardKey = key == 1 || key == 3 || key == 22 || key == 24;  // Ctrl+A, C, V, X
  if ((key < L'0' || key > L'9') && key != kBackspace && !clipboardKey) key = 0;
}

void TfrmColorPick::CurrencyEdit1Exit(Edit& sender) {
  // The hue box reaches 360 like its bar; the other components stop at 255.
  const int limit = &sender == CurrencyEdit4 ? kHueLimit : kComponentLimit;
  sender.SetText(Widen(NormalizeComponentText(Narrow(sender.Text()), limit)));
}

void TfrmColorPick::btnInvertClick(Button&) {
  setnewcolor();
  SetCurrentColor(InvertColor(CurrentColor(), DesktopSystemColor), false);
  if (IsCtrlDown()) pnlColor->SetFontColor(InvertColor(pnlColor->FontColor(), DesktopSystemColor));
}

void TfrmColorPick::btnRandomClick(Button&) {
  setnewcolor();
  std::uniform_int_distribution<int> channel(0, 254);
  const int red = channel(random_);
  const int green = channel(random_);
  const int blue = channel(random_);
  SetCurrentColor(MakeColor(red, green, blue), false);
}

void TfrmColorPick::btnDialogClick(Button&) {
  static COLORREF customColors[16] = {};
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Handle();
  dialog.rgbResult = ToColorRef(CurrentColor());
  dialog.lpCustColors = customColors;
  dialog.Flags = CC_RGBINIT;
  if (!ChooseColorW(&dialog)) return;
  setnewcolor();
  SetCurrentColor(static_cast<TColor>(dialog.rgbResult & 0xFFFFFF), false);
}

void TfrmColorPick::UndoColorChange1Click() {
  if (const std::optional<TColor> color = history_.Undo(CurrentColor()))
    SetCurrentColor(*color, false);
}

void TfrmColorPick::RedoColorchange1Click() {
  if (const std::optional<TColor> color = history_.Redo(CurrentColor()))
    SetCurrentColor(*color, false);
}

void TfrmColorPick::BindEditingHandlers() {
  for (Edit* edit :
       {CurrencyEdit1, CurrencyEdit2, CurrencyEdit3, CurrencyEdit4, CurrencyEdit5, CurrencyEdit6}) {
    edit->OnKeyPress = [this](Edit&, wchar_t& key) { CurrencyEdit1KeyPress(key); };
    edit->OnExit = [this](Edit& sender) { CurrencyEdit1Exit(sender); };
  }
  btnInvert->OnClick = [this](Button& sender) { btnInvertClick(sender); };
  btnRandom->OnClick = [this](Button& sender) { btnRandomClick(sender); };
  btnDialog->OnClick = [this](Button& sender) { btnDialogClick(sender); };
  btnUndo->OnClick = [this](Button&) { UndoColorChange1Click(); };
  btnRedo->OnClick = [this](Button&) { RedoColorchange1Click(); };
  cbxDisplay->OnChange = [this](ComboBox& sender) { cbxDisplayChange(sender); };
  edtColor->OnKeyPress = [this](Edit&, wchar_t& key) { edtColorKeyPress(key); };
  btnCopy->OnClick = [this](Button&) { btnCopyClick(); };
  btnSet->OnClick = [this](Button&) { btnSetClick(); };
  enablechanges();
}

}  // namespace tw::win
