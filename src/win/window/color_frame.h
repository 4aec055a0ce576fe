#pragma once

#include <windows.h>

#include <functional>

#include "win/widgets/form.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"
#include "win/window/current_color.h"

namespace tw::win {

// The color frame: the large swatch of the current color, with the program's
// name written on it in a font and text color of its own unless the user
// turns the text off. Its menu sets the text color once, for the background
// of that moment; the text never follows the background by itself.
class ColorFrame {
 public:
  ColorFrame(Form& form, const CurrentColor& color);
  ColorFrame(const ColorFrame&) = delete;
  ColorFrame& operator=(const ColorFrame&) = delete;

  // "Text Display" with "Use Text in Color Frame" and "Change Font".
  void AddTextMenu(MenuItem& mainMenu);

  void ShowColor(TColor color) { panel_->SetColor(color); }
  TColor TextColor() const { return panel_->FontColor(); }
  void SetTextColor(TColor color) { panel_->SetFontColor(color); }
  const LOGFONTW& TextFont() const { return font_; }
  void SetTextFont(const LOGFONTW& font);
  bool TextShown() const { return textShown_; }
  // The stored choice, shown by the next ShowText.
  void RestoreTextShown(bool shown);
  // Writes or clears the text as the two "Use Text in Color Frame" items
  // say, which always agree.
  void ShowText();

  Panel& Swatch() const { return *panel_; }
  PopupMenu& Menu() const { return *menu_; }

  // The text was shown or hidden: what colors it has nothing to color.
  std::function<void(bool shown)> OnTextShownChanged;

 private:
  void CreateMenu(Form& form);
  void ToggleText();
  void PickFont();

  Form& form_;
  const CurrentColor& color_;
  Panel* panel_;
  PopupMenu* menu_ = nullptr;
  MenuItem* useTextItem_ = nullptr;       // in the main menu
  MenuItem* frameUseTextItem_ = nullptr;  // its twin in the frame's menu
  LOGFONTW font_;
  bool textShown_ = true;
};

}  // namespace tw::win
