#pragma once

#include <string>

#include "win/platform/handles.h"
#include "win/widgets/custom_control.h"

namespace tw::win {

// A caption drawn on its parent's background. An auto-sized label fits its
// text; a right-aligned one keeps its right edge where it was designed; a
// centred one of fixed width centres its text in it.
class Label : public CustomControl {
 public:
  struct Design {
    int left;
    int top;
    std::wstring caption;
    bool alignRight = false;  // then `left` is the right edge
    int width = 0;            // 0: sized to the text
    int height = 0;
    bool centered = false;
  };

  Label(Form& owner, Control& parent, std::wstring name, const Design& design);

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  void SetOwnFont(const LOGFONTW& font);

 protected:
  void Paint(HDC dc, const RECT& client) override;
  void FontChanged() override { FitToText(); }

 private:
  void FitToText();

  std::wstring caption_;
  bool alignRight_;
  bool centered_;
  bool autoSize_;
  int anchor_;  // left edge, or right edge when right-aligned
  GdiObject<HFONT> ownFont_;
};

}  // namespace tw::win
