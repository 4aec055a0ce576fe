#include "win/widgets/button.h"

namespace tw::win {

Button::Button(Form& owner, Control& parent, std::wstring name, const Design& design)
    : Control(owner, &parent, std::move(name)) {
  Create({L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, design.caption, design.bounds});
}

void Button::Click() {
  if (OnClick) OnClick(*this);
}

bool Button::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return false;
  Click();
  result = 0;
  return true;
}

}  // namespace tw::win
