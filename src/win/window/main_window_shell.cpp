// The main window in the desktop's shell: its icon in the notification area
// and what starts it hidden there.
#include "win/window/main_window.h"

namespace tw::win {

void MainWindow::CreateShellParts() {
  PopupMenu& menu = *mainMenu_;
  // Another program may have changed the entry since the menu last opened.
  menu.OnPopup = [this] { runAtLogon_->Refresh(); };
  tray_ = std::make_unique<TrayIcon>(*this, menu);
  tray_->OnFirstShow = [this] { Show(); };
}

bool MainWindow::HasTrayIcon() const { return tray_ && tray_->CanHideProgram(); }

void MainWindow::RemoveTrayIcon() { tray_->SetActive(false); }

void MainWindow::StartHiddenInTray() {
  if (HasTrayIcon()) {
    tray_->HideProgram();
  } else {
    Show();
  }
}

}  // namespace tw::win
