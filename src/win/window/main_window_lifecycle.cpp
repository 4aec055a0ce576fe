// The main window's life: its own settings at creation, the first show, the
// close, the end of the session.
#include <windows.h>

#include "core/color/html_hex.h"
#include "win/platform/icon_title_font.h"
#include "win/platform/text.h"
#include "win/platform/version_info.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::win {

bool MainWindow::ReadSettingBool(const char* key, bool defaultValue) {
  const Converted<bool> value = settings_.ReadBool(key, defaultValue);
  if (value.ok()) return value.value();
  Application::Instance().ShowMessage(Widen(value.error()));
  return defaultValue;
}

int MainWindow::ReadSettingInteger(const char* key, int defaultValue) {
  const Converted<std::int32_t> value = settings_.ReadInteger(key, defaultValue);
  if (value.ok()) return value.value();
  Application::Instance().ShowMessage(Widen(value.error()));
  return defaultValue;
}

void MainWindow::ReadWindowSettings() {
  LOGFONTW font{};
  GetObjectW(Font(), sizeof(font), &font);
  if (ApplyIconTitleFont(font)) SetFormFont(font);
  // Other programs test this name to see whether the program runs.
  runningMutex_ = KernelHandle(CreateMutexW(nullptr, FALSE, L"Tintwright"));
  version_ = ReadProgramVersion();
  SetCaption(L"Tintwright " + version_);
  codeBox_.RestoreUpperCase(ReadSettingBool("uppercase", true));
  const int layout = ReadSettingInteger("layout", kLargeLayout);
  layout_.RecordDesign();
  // The window is built in the large layout; only another one is applied.
  if (layout != kLargeLayout) layout_.Apply(layout);
  if (!ReadSettingBool("showtitle", true)) layout_.SetTitleShown(false);
  palette_.RestoreName(Widen(settings_.ReadString("palettename", "")));
  settings_.SetWriteOnDestroy(true);
}

void MainWindow::AllowCloseFromCommandLine() {
  allowClose_ = true;
  allowCloseFromCommandLine_ = true;
}

void MainWindow::Show() {
  if (Visible()) return;
  if (!shownOnce_ && !formStorage_.Restore()) CenterOnScreen();
  shownOnce_ = true;
  PrepareFirstShow();
  // The application window carries the program's taskbar button; a window
  // that shows is a program that is not minimized.
  HWND application = Application::Instance().Handle();
  ShowWindow(application, IsIconic(application) ? SW_RESTORE : SW_SHOWNA);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  NoteVisibility(true);
  layout_.ApplyStayOnTop();
}

void MainWindow::PrepareFirstShow() {
  if (!allowCloseFromCommandLine_) allowClose_ = !stayInTrayItem_->Checked;
  names_.ApplyStoredChoices();
  color_.Follow(ColorSource::kOther);
  magnifier_.ApplyStoredChoices();
  frame_.ShowText();
  if (!startColorCode_.empty()) ApplyStartColorCode();
  palette_.RefreshHints();
}

void MainWindow::ApplyStartColorCode() {
  const std::optional<TColor> color = HtmlHexToColor(Narrow(startColorCode_));
  if (!color) {
    Application::Instance().ShowMessage(L"Incorrect Color Parameter Format");
    return;
  }
  color_.Set(*color, false);
}

void MainWindow::CloseRequested() {
  // Without a tray icon to come back through, hiding would strand the user.
  if (allowClose_ || !HasTrayIcon()) {
    SaveAndClose();
  } else {
    tray_->HideProgram();
  }
}

void MainWindow::Exit() {
  allowClose_ = true;
  CloseRequested();
}

void MainWindow::SaveAndClose() {
  if (closing_) return;
  closing_ = true;
  formStorage_.Save();
  WriteWindowSettings();
  // On disk before any window goes: without a window manager, Wine waits
  // seconds for every window it takes off the screen.
  WriteSettingsFileNow();
  DestroyWindow(Handle());
}

void MainWindow::WriteSettingsFileNow() {
  settings_.WriteFile();
  settings_.SetWriteOnDestroy(false);
}

void MainWindow::WriteWindowSettings() {
  settings_.WriteString("palettename", Narrow(palette_.NameToKeep()));
  settings_.WriteBool("showtitle", layout_.TitleShown());
  settings_.WriteBool("uppercase", codeBox_.UpperCase());
  settings_.WriteInteger("layout", layout_.Current());
}

bool MainWindow::QueryEndSession() {
  // Never stand in the way of a log-off or shutdown; the save happens when
  // the session really ends.
  return true;
}

void MainWindow::EndSession(bool ending) {
  if (!ending) return;
  // The process may be ended as soon as this returns: save as "Exit" does,
  // and write the file now.
  if (!closing_) {
    formStorage_.Save();
    WriteWindowSettings();
  }
  closing_ = true;
  WriteSettingsFileNow();
}

void MainWindow::Destroyed() {
  // The taskbar button is the application window's, and goes with the
  // process; hiding it here would only wait for the window manager.
  if (Application::Instance().MainForm() == this) Application::Instance().Terminate();
}

}  // namespace tw::win
