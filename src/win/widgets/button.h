#pragma once

#include <functional>
#include <string>

#include "win/widgets/control.h"

namespace tw::win {

// A push button.
class Button : public Control {
 public:
  struct Design {
    Rect bounds;
    std::wstring caption;
  };

  Button(Form& owner, Control& parent, std::wstring name, const Design& design);

  void Click();
  std::function<void(Button& sender)> OnClick;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace tw::win
