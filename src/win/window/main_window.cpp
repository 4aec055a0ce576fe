#include "win/window/main_window.h"

#include "win/widgets/application.h"
#include "win/window/design/controls.h"
#include "win/window/design/menus.h"
#include "win/window/mouse_wheel.h"

namespace tw::win {

MainWindow::MainWindow(std::wstring settingsFile)
    : Form(design::kMainWindowName, design::MainWindowDesign(Application::Instance().Handle())),
      settings_(std::move(settingsFile)),
      formStorage_(*this, settings_),
      color_(design::kColorFrame.design.color),
      frame_(*this, color_),
      editor_(*this, color_, frame_),
      codeBox_(*this, color_),
      palette_(*this, color_, codeBox_, frame_),
      names_(*this, color_, editor_),
      magnifier_(*this, color_, editor_, palette_),
      layout_(*this, editor_, codeBox_, palette_, magnifier_) {
  CreateWindowButtons();
  layout_.BindDragSurfaces();
  CreateMainMenu();
  color_.OnReplaced = [this](TColor color) { frame_.ShowColor(color); };
  color_.OnFollow = [this](ColorSource source) { FollowColor(source); };
  frame_.OnTextShownChanged = [this](bool shown) { palette_.OfferTextColor(shown); };
  OnMouseWheel = [this](bool up) { StepControlUnderPointer(*this, up); };
  ReadWindowSettings();
  CreateShellParts();
}

MainWindow::~MainWindow() {
  // The settings are written when the storage goes with the window; a save
  // since the first show, if any, is in them already.
  if (!formStorage_.SavedSinceShow() && Handle()) SaveSettings();
}

void MainWindow::CreateWindowButtons() {
  Panel& panel = Add(*this, design::kWindowButtonsPanel);
  const LOGFONTW symbols = design::ScaledFont(*this, design::kWindowButtonsFont);
  SpeedButton& settings = Add(panel, design::kSettingsButton);
  settings.SetOwnFont(symbols);
  settings.OnClick = [this](SpeedButton& button) {
    POINT pointer;
    GetCursorPos(&pointer);
    mainMenu_->Show(button, pointer);
  };
  SpeedButton& close = Add(panel, design::kCloseButton);
  close.SetOwnFont(symbols);
  close.OnClick = [this](SpeedButton&) { CloseRequested(); };
}

void MainWindow::CreateMainMenu() {
  mainMenu_ = &AddPopupMenu(design::kMainMenu);
  MenuItem& items = mainMenu_->Items();
  layout_.AddMenuItems(items);
  magnifier_.AddZoomMenu(items);
  codeBox_.AddMenuItems(items);
  magnifier_.AddAveragingMenu(items);
  frame_.AddTextMenu(items);
  items.AddSeparator(design::kBeforeUndoSeparator);
  editor_.AddUndoMenuItems(items);
  names_.AddMenuCopy(items);
  AddWindowMenuItems(items);
  Popup = mainMenu_;
  SetShortcutMenu(mainMenu_);
}

void MainWindow::AddWindowMenuItems(MenuItem& mainMenu) {
  mainMenu.AddSeparator(design::kBeforeStayInTraySeparator);
  stayInTrayItem_ = &mainMenu.Add(design::kStayInTrayItem);
  stayInTrayItem_->Checked = true;
  stayInTrayItem_->OnClick = [this](MenuItem& item) { ToggleStayInTray(item); };
  runAtLogon_ = std::make_unique<RunAtLogonItem>(mainMenu);
  information_.AddMenuItems(mainMenu);
  mainMenu.AddSeparator(design::kBeforeExitSeparator);
  mainMenu.Add(design::kExitItem).OnClick = [this](MenuItem&) { Exit(); };
}

void MainWindow::FollowColor(ColorSource source) {
  const ColorEditor::HandlersDetached detached(editor_);
  const TColor color = color_.Value();
  editor_.ShowColor(color, source);
  names_.NameColor(color);
  if (color_.LatestChangeKeptColor()) return;  // nothing below changes with an equal color
  editor_.ShowGradients();
  codeBox_.ShowCode(color);
}

void MainWindow::ToggleStayInTray(MenuItem& item) {
  item.Checked = !item.Checked;
  allowClose_ = !item.Checked;
}

}  // namespace tw::win
