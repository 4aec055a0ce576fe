#pragma once

#include <functional>
#include <string>

#include "win/platform/handles.h"
#include "win/widgets/custom_control.h"

namespace tw::win {

// A line of text that acts as a link: drawn in the link color, underlined
// while the pointer is over it or it has the keyboard focus, with the hand
// pointer. A click, Enter or the space bar runs OnClick. Sized to its text.
class LinkLabel : public CustomControl {
 public:
  struct Design {
    int left;
    int top;
    std::wstring caption;
    int height;
    TColor color;
  };

  LinkLabel(Form& owner, Control& parent, std::wstring name, const Design& design);

  const std::wstring& Caption() const { return caption_; }
  // The link's font; its underlined twin is made from it.
  void SetOwnFont(const LOGFONTW& font);

  void Click();
  std::function<void(LinkLabel& sender)> OnClick;

 protected:
  void Paint(HDC dc, const RECT& client) override;
  void FontChanged() override { FitToText(); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FitToText();

  std::wstring caption_;
  TColor color_;
  bool pressed_ = false;
  GdiObject<HFONT> ownFont_;
  GdiObject<HFONT> underlinedFont_;
};

}  // namespace tw::win
