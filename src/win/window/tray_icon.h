#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "win/platform/notify_icon.h"
#include "win/widgets/form.h"
#include "win/widgets/menu.h"

namespace tw::win {

// The program's icon in the notification area and the program's two states
// of visibility it switches between. Shown: the application window (which
// carries the taskbar button) is not minimized and the main window is on
// screen. Hidden: the application window is minimized and hidden, so there
// is no taskbar button, the main window is off screen, and the icon is the
// way back. A left click on the icon switches, a right click opens the main
// menu, a minimize hides.
class TrayIcon {
 public:
  // Puts the icon up; `menu` is what a right click on it opens.
  TrayIcon(Form& form, PopupMenu& menu);
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Off ("/notray"): no icon, and a minimize is an ordinary one.
  void SetActive(bool active);
  // Whether hiding leaves a way back: the icon is up or on its way.
  bool CanHideProgram() const;
  bool ProgramShown() const;
  void HideProgram();
  void ShowProgram();

  // The main window comes on screen for the first time (a start that began
  // hidden): its show handling runs.
  std::function<void()> OnFirstShow;

  HWND MessageWindow() const { return window_; }
  bool IconShown() const { return icon_ && icon_->Shown(); }
  bool IconAddPending() const { return icon_ && icon_->AddPending(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void IconEvent(UINT event);
  bool SystemCommand(WPARAM command);
  void OpenMenu();
  // While a modal dialog of the program is open, the icon only brings that
  // dialog to the front: nothing may close or hide the window under it.
  bool BringOpenDialogForward() const;

  Form& form_;
  PopupMenu& menu_;
  HWND window_ = nullptr;
  UINT taskbarCreated_ = 0;
  std::unique_ptr<NotifyIcon> icon_;
  bool active_ = true;
  bool pressed_ = false;
};

}  // namespace tw::win
