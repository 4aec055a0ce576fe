#pragma once

#include "win/widgets/control.h"

namespace tw::win {

// Base of the controls that this program draws itself (panels, labels,
// images, flat buttons): one window class each, painted double-buffered.
class CustomControl : public Control {
 public:
  HFONT CurrentFont() const { return font_; }

 protected:
  CustomControl(Form& owner, Control& parent, std::wstring name)
      : Control(owner, &parent, std::move(name)) {}

  void CreateCustom(const wchar_t* className, const Rect& designBounds, UINT classStyle = 0);
  virtual void Paint(HDC dc, const RECT& client) = 0;
  virtual void FontChanged() {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void FillBackground(HDC dc, const RECT& area, TColor color) const;

 private:
  HFONT font_ = nullptr;
};

}  // namespace tw::win
