// Creation, showing and closing of the main window.
#include <windows.h>
#include <commctrl.h>

#include <chrono>

#include "core/color/gradients.h"
#include "core/color/html_hex.h"
#include "win/platform/text.h"
#include "win/platform/version_info.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::win {
namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// The font the desktop uses for icon titles; false when it cannot be read,
// and the designed font then stays.
bool ReadIconTitleFont(LOGFONTW& font) {
  LOGFONTW iconTitle{};
  if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(iconTitle), &iconTitle, 0))
    return false;
  font.lfHeight = iconTitle.lfHeight;
  font.lfOrientation = iconTitle.lfOrientation;
  font.lfCharSet = iconTitle.lfCharSet;
  wcsncpy(font.lfFaceName, iconTitle.lfFaceName, LF_FACESIZE);
  font.lfWeight = iconTitle.lfWeight >= FW_BOLD ? FW_BOLD : FW_NORMAL;
  font.lfItalic = iconTitle.lfItalic == 1;
  font.lfUnderline = iconTitle.lfUnderline == 1;
  font.lfStrikeOut = iconTitle.lfStrikeOut == 1;
  const BYTE pitch = iconTitle.lfPitchAndFamily & 0x0F;
  font.lfPitchAndFamily = pitch == FIXED_PITCH || pitch == VARIABLE_PITCH ? pitch : DEFAULT_PITCH;
  return true;
}

}  // namespace

TfrmColorPick::TfrmColorPick(std::wstring settingsFile)
    : Form(L"frmColorPick"),
      settings_(std::move(settingsFile)),
      // Seeded once per run from the clock, so every run draws differently.
      random_(
          static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
  CreateWindowFromDesign({L"TfrmColorPick", L"Tintwright", 486, 282, 6776679, kFormStyle,
                          Application::Instance().Handle(), L"Segoe UI", -12});
  CreateComponents();
  CreateMenus();
  BindEditingHandlers();
  BindEyedropperHandlers();
  FormCreate();
}

TfrmColorPick::~TfrmColorPick() {
  // The settings are written when the storage goes with the window; a save
  // since the first show, if any, is in them already.
  if (!formStorage_.SavedSinceShow() && Handle()) formStorage_.Save();
  if (ImageList1) ImageList_Destroy(ImageList1);
}

bool TfrmColorPick::ReadSettingBool(const char* key, bool defaultValue) {
  const Converted<bool> value = settings_.ReadBool(key, defaultValue);
  if (value.ok()) return value.value();
  Application::Instance().ShowMessage(Widen(value.error()));
  return defaultValue;
}

int TfrmColorPick::ReadSettingInteger(const char* key, int defaultValue) {
  const Converted<std::int32_t> value = settings_.ReadInteger(key, defaultValue);
  if (value.ok()) return value.value();
  Application::Instance().ShowMessage(Widen(value.error()));
  return defaultValue;
}

void TfrmColorPick::FormCreate() {
  LOGFONTW font{};
  GetObjectW(Font(), sizeof(font), &font);
  if (ReadIconTitleFont(font)) SetFormFont(font);
  AllowClose = false;
  paramcolor.clear();
  // Other programs test this name to see whether the program runs.
  mutex_ = CreateMutexW(nullptr, FALSE, L"Tintwright");
  cVal = -1;
  rootx = 0;
  rooty = 0;
  version = ReadProgramVersion();
  SetCaption(L"Tintwright " + version);
  UseUpperCase = ReadSettingBool("uppercase", true);
  UpperCaseColorCodes1->Checked = UseUpperCase;
  oLayout = ReadSettingInteger("layout", 2);

  const SIZE outer = OuterSize();
  h0 = outer.cy;
  w0 = outer.cx;
  h1 = pnlRGB->Height();
  w1 = pnlRGB->Width();
  h2 = pnlMagnifier->Height();
  w2 = pnlMagnifier->Width();
  h3 = pnlPalette->Height();
  w3 = pnlPalette->Width();
  h4 = pnlHSV->Height();
  w4 = pnlHSV->Width();
  h5 = pnlCircle->Height();
  w5 = pnlCircle->Width();
  l5 = pnlCircle->Left();
  l2 = pnlMagnifier->Left();
  T0 = pnlRGB->Top();
  w6 = pnlMagnifierArea->Width();
  h6 = pnlMagnifierArea->Height();
  scalefactor = static_cast<float>(w0) / 492.0f;

  showtitle = ReadSettingBool("showtitle", true);
  mpalette = Widen(settings_.ReadString("palettename", ""));
  if (!mpalette.empty()) lblPalettename->SetCaption(mpalette);
  PaintStartupGradients();
  settings_.SetWriteOnDestroy(true);
}

void TfrmColorPick::PaintStartupGradients() {
  const std::pair<Image*, RampColor> ramps[] = {
      {imgRed, RampColor::kRed},         {imgGreen, RampColor::kGreen}, {imgBlue, RampColor::kBlue},
      {imgBrightness, RampColor::kGray}, {imgHue, RampColor::kRed},     {imgSatur, RampColor::kRed},
      {imgValue, RampColor::kRed},
  };
  for (const auto& [image, color] : ramps) {
    PaintRamp(image->Picture(image->Width(), image->Height()), color);
    image->Changed();
  }
}

void TfrmColorPick::Show() {
  if (Visible()) return;
  if (!shownOnce_ && !formStorage_.Restore()) CenterOnScreen();
  shownOnce_ = true;
  FormShow();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  NoteVisibility(true);
  SetStayOnTop(AlwaysonTop1->Checked);
}

void TfrmColorPick::FormShow() {
  if (!startedWithAllowClose) AllowClose = !StayinSystemTray1->Checked;
  // Set opposite to the stored mark: the handler turns it back and builds
  // the list.
  bHTMLList = !Showonlyhtmlcolors->Checked;
  ShowonlyhtmlcolorsClick();
  SynchroniseControls(0);
  ReadMagnifierChoices();
  ShowFrameText();
  if (!paramcolor.empty()) ApplyParamColor();
  RefreshSlotHints();
}

void TfrmColorPick::ApplyParamColor() {
  const std::optional<TColor> color = HtmlHexToColor(Narrow(paramcolor));
  if (!color) {
    Application::Instance().ShowMessage(L"Incorrect Color Parameter Format");
    return;
  }
  SetCurrentColor(*color, false);
}

bool TfrmColorPick::FormCloseQuery() {
  // Without a tray icon to come back through, hiding would strand the user.
  return AllowClose || !HasTrayIcon();
}

void TfrmColorPick::CloseRequested() {
  if (FormCloseQuery()) SaveAndClose();
}

void TfrmColorPick::SaveAndClose() {
  if (closing_) return;
  closing_ = true;
  formStorage_.Save();
  FormClose();
  DestroyWindow(Handle());
}

void TfrmColorPick::FormClose() {
  // A palette changed since it was loaded or saved is not remembered by name.
  if (mpalettechanged) mpalette.clear();
  settings_.WriteString("palettename", Narrow(mpalette));
  settings_.WriteBool("showtitle", showtitle);
  settings_.WriteBool("uppercase", UseUpperCase);
  settings_.WriteInteger("layout", oLayout);
}

void TfrmColorPick::Exit1Click(MenuItem&) {
  AllowClose = true;
  CloseRequested();
}

void TfrmColorPick::btnCloseClick(SpeedButton&) { CloseRequested(); }

bool TfrmColorPick::QueryEndSession() {
  // Never stand in the way of a log-off or shutdown; the save happens when
  // the session really ends.
  return true;
}

void TfrmColorPick::EndSession(bool ending) {
  if (!ending) return;
  // The process may be ended as soon as this returns: save as "Exit" does,
  // and write the file now.
  if (!closing_) {
    formStorage_.Save();
    FormClose();
  }
  closing_ = true;
  settings_.WriteFile();
  settings_.SetWriteOnDestroy(false);
}

void TfrmColorPick::Destroyed() {
  if (Application::Instance().MainForm() == this) Application::Instance().Terminate();
}

void TfrmColorPick::StayinSystemTray1Click(MenuItem&) {
  StayinSystemTray1->Checked = !StayinSystemTray1->Checked;
  AllowClose = !StayinSystemTray1->Checked;
}

}  // namespace tw::win
