#pragma once

#include "win/widgets/form.h"

namespace tw::win {

// A top-level window shown as a dialog: while it shows, its owner is
// disabled and its own message loop runs, with Tab, Enter and Escape
// handled as in any dialog box. Closing it (the close box, Escape, Alt+F4)
// ends it with IDCANCEL; Enter without a control that wants it, with IDOK.
class ModalForm : public Form {
 public:
  using Form::Form;

  // Shows the window, gives `focus` (or the first tab stop) the keyboard
  // focus and runs messages until EndModal; answers its result.
  int ShowModal(Control* focus = nullptr);
  void EndModal(int result);
  bool Showing() const { return showing_; }

 protected:
  void CloseRequested() override { EndModal(IDCANCEL); }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool showing_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace tw::win
