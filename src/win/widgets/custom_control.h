#pragma once

#include "win/widgets/control.h"

namespace tw::win {

// Base of the controls that this program draws itself (panels, labels,
// images, flat buttons): one window class each, painted double-buffered.
class CustomControl : public Control {
 public:
  HFONT CurrentFont() const { return font_; }
  // Whether the pointer is over the control; only tracked after
  // TrackHot(), as each tracking costs a round trip to the window system.
  bool Hot() const { return hot_; }

 protected:
  CustomControl(Form& owner, Control& parent, std::wstring name)
      : Control(owner, &parent, std::move(name)) {}

  void CreateCustom(const wchar_t* className, const Rect& designBounds, UINT classStyle = 0);
  virtual void Paint(HDC dc, const RECT& client) = 0;
  virtual void FontChanged() {}
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void FillBackground(HDC dc, const RECT& area, TColor color) const;
  // Repaints the control whenever the pointer enters or leaves it.
  void TrackHot() { tracksHot_ = true; }

 private:
  void SetHot(bool hot);

  HFONT font_ = nullptr;
  bool tracksHot_ = false;
  bool hot_ = false;
};

}  // namespace tw::win
