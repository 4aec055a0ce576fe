#pragma once

#include <memory>
#include <string>

#include "core/settings/options.h"
#include "win/platform/handles.h"
#include "win/widgets/form.h"
#include "win/widgets/menu.h"
#include "win/widgets/speed_button.h"
#include "win/window/color_code_box.h"
#include "win/window/color_editor.h"
#include "win/window/color_frame.h"
#include "win/window/color_name_list.h"
#include "win/window/current_color.h"
#include "win/window/form_storage.h"
#include "win/window/magnifier_panel.h"
#include "win/window/palette.h"
#include "win/window/run_at_logon_item.h"
#include "win/window/settings_storage.h"
#include "win/window/tray_icon.h"
#include "win/window/update_and_help.h"
#include "win/window/window_layout.h"

namespace tw::win {

// The main window: the parts that show and edit the one current color, and
// the window's own life from creation through its settings to the close.
class MainWindow : public Form {
 public:
  // Loads the settings file, builds the window and its parts and reads the
  // window's own settings. The window starts hidden.
  explicit MainWindow(std::wstring settingsFile);
  ~MainWindow() override;

  // Restores the stored position and properties at the first show, then
  // brings every control in step and shows the window.
  void Show();

  // What the command line asked: "/allowclose" or "/notray" let a close end
  // the program whatever the tray option says.
  void AllowCloseFromCommandLine();
  // A color code given on the command line, applied when the window shows.
  void SetStartColorCode(std::wstring code) { startColorCode_ = std::move(code); }
  // Whether a close request ends the program rather than hiding it.
  bool AllowClose() const { return allowClose_; }
  // "/notray": no icon in the notification area.
  void RemoveTrayIcon();
  // "/autostart": the program waits in the notification area; with no icon
  // to come back through, the window shows after all.
  void StartHiddenInTray();

  // "major.minor" of the program file, as the caption shows it.
  const std::wstring& Version() const { return version_; }

  CurrentColor& Current() { return color_; }
  ColorFrame& Frame() { return frame_; }
  ColorEditor& Editor() { return editor_; }
  ColorCodeBox& CodeBox() { return codeBox_; }
  Palette& Slots() { return palette_; }
  ColorNameList& Names() { return names_; }
  MagnifierPanel& Magnifier() { return magnifier_; }
  WindowLayout& Layout() { return layout_; }
  PopupMenu& MainMenu() { return *mainMenu_; }
  TrayIcon& Tray() { return *tray_; }
  RunAtLogonItem& RunAtLogon() { return *runAtLogon_; }
  UpdateAndHelp& Information() { return information_; }

 protected:
  void CloseRequested() override;
  bool QueryEndSession() override;
  void EndSession(bool ending) override;
  void Destroyed() override;

 private:
  // Rewrites every control except those of `source` to show the current
  // color, with the editing controls' change handlers detached meanwhile.
  void FollowColor(ColorSource source);
  void CreateWindowButtons();
  void CreateMainMenu();
  void AddWindowMenuItems(MenuItem& mainMenu);
  void ReadWindowSettings();
  // The options as the parts hold them now, into options_.
  void GatherOptions();
  // The window's own options from options_, when the window is built.
  void ApplyWindowOptions();
  // The form's options from options_, at the first show; the parts bring
  // them into effect as the window shows.
  void ApplyFormOptions();
  void PrepareFirstShow();
  void ApplyStartColorCode();
  void ToggleStayInTray(MenuItem& item);
  void Exit();
  // Saves the options and the position, then closes.
  void SaveAndClose();
  void SaveSettings();
  // Writes the settings file at once, and not again when the window goes.
  void WriteSettingsFileNow();
  // The tray icon, once the window is built, and what follows the menu.
  void CreateShellParts();
  // Whether there is an icon to hide to; without one a close request really
  // closes.
  bool HasTrayIcon() const;

  SettingsStorage settings_;
  // What the settings file holds, as of the last read or save.
  Options options_;
  FormStorage formStorage_;
  CurrentColor color_;
  ColorFrame frame_;
  ColorEditor editor_;
  ColorCodeBox codeBox_;
  Palette palette_;
  ColorNameList names_;
  MagnifierPanel magnifier_;
  WindowLayout layout_;
  PopupMenu* mainMenu_ = nullptr;
  std::unique_ptr<RunAtLogonItem> runAtLogon_;
  std::unique_ptr<TrayIcon> tray_;
  MenuItem* stayInTrayItem_ = nullptr;
  KernelHandle runningMutex_;
  std::wstring version_;
  std::wstring startColorCode_;
  bool allowClose_ = false;
  bool allowCloseFromCommandLine_ = false;
  bool shownOnce_ = false;
  bool closing_ = false;
  // After version_, which it shows.
  UpdateAndHelp information_{*this, version_};
};

}  // namespace tw::win
