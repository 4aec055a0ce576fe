#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "win/platform/handles.h"
#include "win/widgets/custom_control.h"

namespace tw::win {

// A flat button that shows either a glyph from an image list or a caption in
// a font of its own (a Marlett symbol, say). A left press captures the mouse,
// so the release is seen wherever it happens.
class SpeedButton : public CustomControl {
 public:
  struct Design {
    Rect bounds;
    std::wstring caption;
  };

  SpeedButton(Form& owner, Control& parent, std::wstring name, const Design& design);

  void SetGlyph(HIMAGELIST images, int index);
  void SetOwnFont(const LOGFONTW& font);
  const std::wstring& Caption() const { return caption_; }

  std::function<void(SpeedButton& sender)> OnClick;

 protected:
  void Paint(HDC dc, const RECT& client) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::wstring caption_;
  HIMAGELIST images_ = nullptr;
  int glyph_ = -1;
  bool pressed_ = false;
  GdiObject<HFONT> ownFont_;
};

}  // namespace tw::win
