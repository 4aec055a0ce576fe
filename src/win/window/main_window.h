#pragma once

#include <array>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "core/color/color_history.h"
#include "core/color/tcolor.h"
#include "core/names/closest_color.h"
#include "core/names/color_list.h"
#include "win/platform/screen_reader.h"
#include "win/widgets/button.h"
#include "win/widgets/combo_box.h"
#include "win/widgets/edit.h"
#include "win/widgets/form.h"
#include "win/widgets/image.h"
#include "win/widgets/label.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"
#include "win/widgets/scroll_bar.h"
#include "win/widgets/speed_button.h"
#include "win/widgets/timer.h"
#include "win/window/form_storage.h"
#include "win/window/settings_storage.h"

namespace tw::win {

// What an edit box holds as a number: empty text is 0, anything else that is
// no integer is a conversion error, reported like any other.
int EditValue(const Edit& edit);

// The main window: the whole user interface, and the owner of all state.
class TfrmColorPick : public Form {
 public:
  // Loads the settings file beside the program, builds the window and its
  // components and runs the creation steps. The window starts hidden.
  explicit TfrmColorPick(std::wstring settingsFile);
  ~TfrmColorPick() override;

  void Show();
  void Exit1Click(MenuItem& sender);
  void btnCloseClick(SpeedButton& sender);

  // The current color and the synchronisation of every control that shows it.
  TColor CurrentColor() const { return pnlColor->Color(); }
  void UpdateColor(int ctype);
  void updatevalues(int ctype);
  void disablechanges();
  void enablechanges();
  // updatevalues with the change handlers detached, and attached again on
  // every way out.
  void SynchroniseControls(int ctype);
  // Sets the current color directly: recorded for undo when asked, then
  // every control follows.
  void SetCurrentColor(TColor color, bool undoable);
  void setnewcolor() { history_.Record(CurrentColor()); }
  const ColorHistory& History() const { return history_; }

  void btnInvertClick(Button& sender);
  void btnRandomClick(Button& sender);
  void btnDialogClick(Button& sender);
  void UndoColorChange1Click();
  void RedoColorchange1Click();

  // The color code box.
  std::wstring getcolorstring(TColor color) const;
  void cbxDisplayChange(ComboBox& sender);
  void HTMLHex1Click(MenuItem& sender);
  void UpperCaseColorCodes1Click(MenuItem& sender);
  void btnCopyClick();
  void btnSetClick();

  // The palette slots and palette files.
  void mempan1MouseDown(Panel& slot, MouseButton button);
  void mempan2MouseMove(Panel& slot);
  void SaveColorHere1Click();
  void SetasBackground1Click();
  void SetasTextColor1Click();
  void Copy1Click();
  void btnLoadPaletteClick();
  void btnSavePaletteClick();

  // The eyedropper and the magnifier.
  void btnGrabMouseDown(MouseButton button);
  void btnGrabMouseUp();
  void Timer1Timer();
  void imgMagnifierMouseDown(MouseButton button, int x, int y);
  void imgMagnifierMouseMove(int x, int y);
  void imgMagnifierMouseUp();
  void Zoom1X1Click(MenuItem& sender);
  void Cross1Click(MenuItem& sender);
  void Off1Click(MenuItem& sender);
  void SetCoordinates1Click();
  void ResetCoordinates2Click();
  void ClearZoomWindow1Click();
  bool Grabbing() const { return grabbing_; }

  // The list of named colors.
  void ShowonlyhtmlcolorsClick();
  void SortbyHue1Click(MenuItem& sender);
  void Setsortmenuitems(int SortValue);
  void findcolorname(TColor color);
  void FindClosestColor1Click();
  void cbxColorsChange();
  void cbxColorsDrawItem(const DRAWITEMSTRUCT& item);
  const TRColorArray& ColorItems() const { return colorItems_; }

  // Fields the entry sets after creation.
  bool AllowClose = false;
  std::wstring paramcolor;
  // True when "/allowclose" or "/notray" was given: showing the window then
  // leaves AllowClose as it is.
  bool startedWithAllowClose = false;

  // The window's own fields.
  int cVal = -1;
  int crosshair = 0;
  int average = 0;
  bool mousedownflag = false;
  int rootx = 0;
  int rooty = 0;
  bool showtitle = true;
  std::wstring mpalette;
  bool mpalettechanged = false;
  int h0 = 0, h1 = 0, h2 = 0, h3 = 0, h4 = 0, h5 = 0, h6 = 0;
  int w0 = 0, w1 = 0, w2 = 0, w3 = 0, w4 = 0, w5 = 0, w6 = 0;
  int l2 = 0, l5 = 0, T0 = 0;
  float scalefactor = 1.0f;
  std::wstring version;
  bool UseUpperCase = true;
  int colorcount = 0;
  bool bHTMLList = false;
  int sortorder = 0;
  TColor lastcolor = 0;
  int oLayout = 2;

  // The components, by their design names.
  Panel* pnlColor = nullptr;
  Panel* pnlRGB = nullptr;
  Label* lblRed = nullptr;
  Label* lblGreen = nullptr;
  Label* lblBlue = nullptr;
  Label* lblBrightness = nullptr;
  Edit* CurrencyEdit1 = nullptr;
  Edit* CurrencyEdit2 = nullptr;
  Edit* CurrencyEdit3 = nullptr;
  ScrollBar* ScrollBarRed = nullptr;
  ScrollBar* ScrollBarGreen = nullptr;
  ScrollBar* ScrollBarBlue = nullptr;
  ScrollBar* ScrollBarBrightness = nullptr;
  Image* imgRed = nullptr;
  Image* imgGreen = nullptr;
  Image* imgBlue = nullptr;
  Image* imgBrightness = nullptr;
  Panel* pnlHSV = nullptr;
  Label* lblHue = nullptr;
  Label* lblSaturation = nullptr;
  Label* lblValue = nullptr;
  Edit* CurrencyEdit4 = nullptr;
  Edit* CurrencyEdit5 = nullptr;
  Edit* CurrencyEdit6 = nullptr;
  ScrollBar* ScrollBarHue = nullptr;
  ScrollBar* ScrollBarSaturation = nullptr;
  ScrollBar* ScrollBarValue = nullptr;
  Image* imgHue = nullptr;
  Image* imgSatur = nullptr;
  Image* imgValue = nullptr;
  Panel* pnlButtons = nullptr;
  Button* btnInvert = nullptr;
  Button* btnRandom = nullptr;
  Button* btnDialog = nullptr;
  Button* btnUndo = nullptr;
  Button* btnRedo = nullptr;
  Panel* pnlCircle = nullptr;
  Image* imgColorWheel = nullptr;
  Panel* pnlColorCode = nullptr;
  ComboBox* cbxDisplay = nullptr;
  Edit* edtColor = nullptr;
  Button* btnCopy = nullptr;
  Button* btnSet = nullptr;
  Panel* pnlPalette = nullptr;
  Label* lblPalette = nullptr;
  Label* lblPalettename = nullptr;
  Label* lblpalettechanged = nullptr;
  Button* btnLoadPalette = nullptr;
  Button* btnSavePalette = nullptr;
  std::array<Panel*, 12> mempan{};  // mempan1 … mempan12
  Panel* pnlHTMLColor = nullptr;
  Label* lblHTMLColor = nullptr;
  ComboBox* cbxColors = nullptr;
  Panel* pnlButtonsBottom = nullptr;
  SpeedButton* btnOptions = nullptr;
  SpeedButton* btnClose = nullptr;
  Panel* pnlMagnifier = nullptr;
  SpeedButton* btnGrab = nullptr;
  ComboBox* cbxZoom = nullptr;
  Label* lblX = nullptr;
  Label* lblY = nullptr;
  Label* lblXPos = nullptr;
  Label* lblYPos = nullptr;
  Panel* pnlMagnifierArea = nullptr;
  Image* Image1 = nullptr;
  Image* imgMagnifier = nullptr;
  Timer* Timer1 = nullptr;
  HIMAGELIST ImageList1 = nullptr;

  PopupMenu* pupMain = nullptr;
  PopupMenu* pupColorPanel = nullptr;
  PopupMenu* pupPalette = nullptr;
  PopupMenu* mnuClosestColor = nullptr;
  MenuItem* UpperCaseColorCodes1 = nullptr;
  MenuItem* UndoColorChange1 = nullptr;
  MenuItem* RedoColorchange1 = nullptr;
  MenuItem* StayinSystemTray1 = nullptr;
  MenuItem* Exit1 = nullptr;
  MenuItem* SetasTextColor1 = nullptr;
  MenuItem* FindClosestColor1 = nullptr;
  MenuItem* AlwaysonTop1 = nullptr;
  MenuItem* UseText = nullptr;
  MenuItem* Showonlyhtmlcolors = nullptr;
  MenuItem* Cross1 = nullptr;
  MenuItem* Rectangle1 = nullptr;
  MenuItem* None1 = nullptr;
  MenuItem* Off1 = nullptr;
  MenuItem* N3x3Average1 = nullptr;
  MenuItem* N5x5Average1 = nullptr;

  SettingsStorage& Settings() { return settings_; }

 protected:
  void CloseRequested() override;
  bool QueryEndSession() override;
  void EndSession(bool ending) override;
  void Destroyed() override;

 private:
  // Design: the component tree and the menus.
  void CreateComponents();
  void CreateColorControls();
  void CreateCodeAndPaletteControls();
  void CreateMagnifierControls();
  void CreateMenus();
  void CreateColorCodeMenu(MenuItem& main);
  void CreatePaletteMenu();
  void CreateMagnifierMenu(MenuItem& main);
  void CreateAveragingMenu(MenuItem& main);
  void CreateColorListMenu(MenuItem& main);
  void CreateWindowOptionsMenu(MenuItem& main);
  void CreateTextDisplayMenu(MenuItem& main);
  void AlwaysonTop1Click();
  void SetStayOnTop(bool onTop);
  void UseTextClick();
  // The frame's caption and the items that go with it follow UseText.
  void ShowFrameText();
  void BindEyedropperHandlers();
  void ReadMagnifierChoices();
  void PickFromMagnifier(int x, int y);
  void BindEditingHandlers();

  // Lifecycle.
  void FormCreate();
  void FormShow();
  bool FormCloseQuery();
  void FormClose();
  void ApplyParamColor();
  void PaintStartupGradients();
  // Reads one of the window's own settings; a value that cannot be converted
  // is reported and the default used, so the remaining steps still run.
  bool ReadSettingBool(const char* key, bool defaultValue);
  int ReadSettingInteger(const char* key, int defaultValue);
  void SaveAndClose();
  // While no tray icon exists there is nowhere to hide to, so a close request
  // really closes.
  bool HasTrayIcon() const { return false; }

  void StayinSystemTray1Click(MenuItem& sender);

  // The slot on which the palette menu was opened.
  Panel& SlotOfMenu() const;
  void StoreCurrentColor(Panel& slot);
  void RefreshSlotHints();
  void ShowPaletteName(const std::wstring& file);

  // Editing handlers.
  void CurrencyEdit13Change();
  void CurrencyEdit4Change();
  void ScrollBarBlueChange();
  void ScrollBarHueChange();
  void ScrollBarBrightnessChange();
  void CurrencyEdit1KeyPress(wchar_t& key);
  void CurrencyEdit1Exit(Edit& sender);
  void edtColorKeyPress(wchar_t& key);
  // The color a source of UpdateColor names now; nothing when its controls
  // hold no color (an HSV hue beyond 360).
  std::optional<TColor> ColorFromSource(int ctype) const;

  SettingsStorage settings_;
  FormStorage formStorage_{*this};
  ColorHistory history_;
  ScreenReader screenReader_;
  TRColorArray colorItems_;
  std::optional<ClosestColorFinder> closestFinder_;
  HCURSOR eyedropCursor_ = nullptr;
  bool grabbing_ = false;
  bool tickRunning_ = false;
  std::mt19937 random_;
  HANDLE mutex_ = nullptr;
  bool shownOnce_ = false;
  bool closing_ = false;
};

}  // namespace tw::win
