#pragma once

#include <string>

#include "win/platform/handles.h"
#include "win/widgets/custom_control.h"

namespace tw::win {

enum class Bevel { None, Lowered, Raised };

// A colored rectangle with an optional one-pixel bevel and a centred caption,
// which may run over several lines.
class Panel : public CustomControl {
 public:
  struct Design {
    Rect bounds;
    TColor color;
    Bevel outer = Bevel::Raised;
    Bevel inner = Bevel::None;
    std::wstring caption;
  };

  Panel(Form& owner, Control& parent, std::wstring name, const Design& design);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor color);
  // A font of the panel's own, instead of the window's.
  void SetOwnFont(const LOGFONTW& font);

  TColor BackgroundColor() const override { return color_; }
  // The client area inside the bevels, where children fill the panel.
  Rect ContentBounds() const;

 protected:
  void Paint(HDC dc, const RECT& client) override;

 private:
  TColor color_;
  Bevel outer_;
  Bevel inner_;
  std::wstring caption_;
  TColor fontColor_;
  GdiObject<HFONT> ownFont_;
};

}  // namespace tw::win
