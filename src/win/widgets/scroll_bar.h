#pragma once

#include <functional>

#include "win/widgets/control.h"

namespace tw::win {

// A horizontal scroll bar. The position is always clamped to the range, and
// every change of it, by the user or by code, raises OnChange.
class ScrollBar : public Control {
 public:
  struct Design {
    Rect bounds;
    int min = 0;
    int max = 100;
    int smallChange = 1;
    int largeChange = 10;
  };

  ScrollBar(Form& owner, Control& parent, std::wstring name, const Design& design);

  int Position() const { return position_; }
  void SetPosition(int position);
  void StepByWheel(bool up) override { SetPosition(position_ + (up ? 1 : -1)); }
  int Min() const { return min_; }
  int Max() const { return max_; }

  std::function<void(ScrollBar& sender)> OnChange;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  int min_;
  int max_;
  int smallChange_;
  int largeChange_;
  int position_;
};

}  // namespace tw::win
