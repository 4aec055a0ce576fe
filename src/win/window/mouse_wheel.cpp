#include "win/window/mouse_wheel.h"

#include <windows.h>

namespace tw::win {

void StepControlUnderPointer(const Form& form, bool up) {
  POINT pointer;
  GetCursorPos(&pointer);
  // Compared with the window's own controls: the window under the pointer
  // may belong to any program.
  const HWND under = WindowFromPoint(pointer);
  for (const auto& control : form.Controls()) {
    if (control->Handle() == under) control->StepByWheel(up);
  }
}

}  // namespace tw::win
