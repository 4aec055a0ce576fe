#include "win/window/main_window.h"

#include "win/widgets/application.h"
#include "win/window/design/controls.h"
#include "win/window/design/menus.h"

namespace tw::win {

MainWindow::MainWindow(std::wstring settingsFile)
    : Form(design::kMainWindowName, design::MainWindowDesign(Application::Instance().Handle())),
      settings_(std::move(settingsFile)),
      formStorage_(*this, settings_),
      color_(design::kColorFrame.design.color),
      frame_(*this),
      editor_(*this, color_, frame_),
      codeBox_(*this, color_),
      palette_(*this, color_, codeBox_, frame_),
      names_(*this, color_, editor_),
      magnifier_(*this, color_, editor_, palette_) {
  CreateWindowButtons();
  CreateMainMenu();
  color_.OnReplaced = [this](TColor color) { frame_.ShowColor(color); };
  color_.OnFollow = [this](ColorSource source) { FollowColor(source); };
  frame_.OnTextShownChanged = [this](bool shown) { palette_.OfferTextColor(shown); };
  ReadWindowSettings();
  CreateShellParts();
}

MainWindow::~MainWindow() {
  // The settings are written when the storage goes with the window; a save
  // since the first show, if any, is in them already.
  if (!formStorage_.SavedSinceShow() && Handle()) formStorage_.Save();
}

void MainWindow::CreateWindowButtons() {
  Panel& panel = Add(*this, design::kWindowButtonsPanel);
  const LOGFONTW symbols = design::ScaledFont(*this, design::kWindowButtonsFont);
  Add(panel, design::kSettingsButton).SetOwnFont(symbols);
  SpeedButton& close = Add(panel, design::kCloseButton);
  close.SetOwnFont(symbols);
  close.OnClick = [this](SpeedButton&) { CloseRequested(); };
}

void MainWindow::CreateMainMenu() {
  PopupMenu& menu = AddPopupMenu(design::kMainMenu);
  MenuItem& items = menu.Items();
  alwaysOnTopItem_ = &items.Add(design::kAlwaysOnTopItem);
  alwaysOnTopItem_->OnClick = [this](MenuItem& item) {
    item.Checked = !item.Checked;
    SetStayOnTop(item.Checked);
  };
  magnifier_.AddZoomMenu(items);
  codeBox_.AddMenuItems(items);
  magnifier_.AddAveragingMenu(items);
  frame_.AddTextMenu(items);
  items.AddSeparator(design::kBeforeUndoSeparator);
  editor_.AddUndoMenuItems(items);
  names_.AddMenuCopy(items);
  AddWindowMenuItems(items);
  Popup = &menu;
  SetShortcutMenu(&menu);
}

void MainWindow::AddWindowMenuItems(MenuItem& mainMenu) {
  mainMenu.AddSeparator(design::kBeforeStayInTraySeparator);
  stayInTrayItem_ = &mainMenu.Add(design::kStayInTrayItem);
  stayInTrayItem_->Checked = true;
  stayInTrayItem_->OnClick = [this](MenuItem& item) { ToggleStayInTray(item); };
  runAtLogon_ = std::make_unique<RunAtLogonItem>(mainMenu);
  mainMenu.AddSeparator(design::kBeforeExitSeparator);
  mainMenu.Add(design::kExitItem).OnClick = [this](MenuItem&) { Exit(); };
}

void MainWindow::FollowColor(ColorSource source) {
  const ColorEditor::HandlersDetached detached(editor_);
  const TColor color = color_.Value();
  editor_.ShowColor(color, source);
  names_.NameColor(color);
  if (color_.LatestChangeKeptColor()) return;  // nothing below changes with an equal color
  codeBox_.ShowCode(color);
}

void MainWindow::SetStayOnTop(bool onTop) {
  // Into or out of the topmost band, keeping place and size.
  SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::ToggleStayInTray(MenuItem& item) {
  item.Checked = !item.Checked;
  allowClose_ = !item.Checked;
}

void MainWindow::RecordDesignGeometry() {
  auto placeOf = [this](const wchar_t* name) { return FindControl(name)->Bounds(); };
  LayoutGeometry& g = designGeometry_;
  g.window = OuterSize();
  g.rgbPanel = placeOf(design::kRgbPanel.name);
  g.hsvPanel = placeOf(design::kHsvPanel.name);
  g.palettePanel = placeOf(design::kPalettePanel.name);
  g.wheelPanel = placeOf(design::kWheelPanel.name);
  g.magnifierPanel = placeOf(design::kMagnifierPanel.name);
  g.magnifierArea = placeOf(design::kMagnifierArea.name);
  // The outer width the layouts were designed for.
  g.scale = static_cast<float>(g.window.cx) / 492.0f;
}

}  // namespace tw::win
