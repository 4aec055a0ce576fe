#pragma once

#include <functional>
#include <string>

#include "win/widgets/control.h"

namespace tw::win {

// A one-line edit box. Its text is kept in the wrapper too, so reading it
// costs no call to the window system. Setting a text that differs from the
// present one raises OnChange, just as typing does; an equal text raises
// nothing and is not rewritten.
class Edit : public Control {
 public:
  struct Design {
    Rect bounds;
    std::wstring text;
    bool centered = false;
    int maxLength = 0;       // 0: no limit
    int wheelMaximum = 255;  // the number that the mouse wheel steps up to
  };

  Edit(Form& owner, Control& parent, std::wstring name, const Design& design);

  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& text);
  void SelectAll();
  // Only a box that holds a number steps; text that is no number, or an
  // empty box, stays as it is and no error is shown.
  void StepByWheel(bool up) override;

  std::function<void(Edit& sender)> OnChange;
  // A typed character; setting it to 0 discards it.
  std::function<void(Edit& sender, wchar_t& key)> OnKeyPress;
  // The box lost the keyboard focus.
  std::function<void(Edit& sender)> OnExit;

  bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ReadTextFromWindow();

  std::wstring text_;
  int wheelMaximum_;
  bool settingText_ = false;
};

}  // namespace tw::win
