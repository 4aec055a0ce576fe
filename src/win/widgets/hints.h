#pragma once

#include <windows.h>

namespace tw::win {

class Control;
class Form;

// The form's one tooltip window. Texts are asked for when a tip is about to
// show, so a control's hint can change at any time without a message.
class HintWindow {
 public:
  explicit HintWindow(Form& form) : form_(form) {}
  HintWindow(const HintWindow&) = delete;
  HintWindow& operator=(const HintWindow&) = delete;

  void Register(Control& control);
  // Hands a mouse message of a registered control to the tooltip, which
  // then knows when to show the tip.
  void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;
  // Answers TTN_GETDISPINFOW; false when the notification is not a tip's.
  bool HandleNotify(const NMHDR& header) const;

 private:
  Form& form_;
  HWND tooltip_ = nullptr;
};

}  // namespace tw::win
