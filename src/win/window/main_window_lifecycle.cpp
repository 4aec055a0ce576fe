// The main window's life: its own settings at creation, the first show, the
// close, the end of the session.
#include <windows.h>

#include "core/color/html_hex.h"
#include "core/settings/option_table.h"
#include "win/platform/icon_title_font.h"
#include "win/platform/text.h"
#include "win/platform/version_info.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::win {

void MainWindow::ReadWindowSettings() {
  LOGFONTW font{};
  GetObjectW(Font(), sizeof(font), &font);
  if (ApplyIconTitleFont(font)) SetFormFont(font);
  // Other programs test this name to see whether the program runs.
  runningMutex_ = KernelHandle(CreateMutexW(nullptr, FALSE, L"Tintwright"));
  version_ = ReadProgramVersion();
  SetCaption(L"Tintwright " + version_);
  // A value that cannot be converted is reported and the default used, so
  // the remaining steps still run.
  for (const std::string& error :
       ReadOptions(settings_.File(), SettingsStorage::kSection, OptionGroup::kWindow, options_)) {
    Application::Instance().ShowMessage(Widen(error));
  }
  ApplyWindowOptions();
  settings_.SetWriteOnDestroy(true);
}

void MainWindow::AllowCloseFromCommandLine() {
  allowClose_ = true;
  allowCloseFromCommandLine_ = true;
}

void MainWindow::Show() {
  if (Visible()) return;
  if (!shownOnce_) {
    // What the parts hold stays where the file says nothing.
    GatherOptions();
    const bool positioned = formStorage_.Restore(options_);
    ApplyFormOptions();
    if (!positioned) CenterOnScreen();
  }
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
  SaveSettings();
  // On disk before any window goes: without a window manager, Wine waits
  // seconds for every window it takes off the screen.
  WriteSettingsFileNow();
  DestroyWindow(Handle());
}

void MainWindow::SaveSettings() {
  GatherOptions();
  formStorage_.Save(options_);
}

void MainWindow::WriteSettingsFileNow() {
  settings_.WriteFile();
  settings_.SetWriteOnDestroy(false);
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
  if (!closing_) SaveSettings();
  closing_ = true;
  WriteSettingsFileNow();
}

void MainWindow::Destroyed() {
  // The taskbar button is the application window's, and goes with the
  // process; hiding it here would only wait for the window manager.
  if (Application::Instance().MainForm() == this) Application::Instance().Terminate();
}

}  // namespace tw::win
