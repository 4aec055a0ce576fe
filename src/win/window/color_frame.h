#pragma once

#include <functional>

#include "win/widgets/form.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"

namespace tw::win {

// The color frame: the large swatch of the current color, with the program's
// name written on it in a text color of its own unless the user turns the
// text off.
class ColorFrame {
 public:
  explicit ColorFrame(Form& form);
  ColorFrame(const ColorFrame&) = delete;
  ColorFrame& operator=(const ColorFrame&) = delete;

  // "Text Display" with "Use Text in Color Frame".
  void AddTextMenu(MenuItem& mainMenu);

  void ShowColor(TColor color) { panel_->SetColor(color); }
  TColor TextColor() const { return panel_->FontColor(); }
  void SetTextColor(TColor color) { panel_->SetFontColor(color); }
  bool TextShown() const { return useTextItem_->Checked; }
  // Writes or clears the text as the menu item says.
  void ShowText();

  Panel& Swatch() const { return *panel_; }

  // The text was shown or hidden: what colors it has nothing to color.
  std::function<void(bool shown)> OnTextShownChanged;

 private:
  Panel* panel_;
  MenuItem* useTextItem_ = nullptr;
};

}  // namespace tw::win
