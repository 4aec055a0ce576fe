#include "win/window/mouse_wheel.h"

#include <windows.h>

#include <optional>
#include <string>

#include "core/color/integer_text.h"
#include "win/platform/text.h"
#include "win/widgets/combo_box.h"
#include "win/widgets/edit.h"
#include "win/widgets/scroll_bar.h"
#include "win/window/design/controls.h"

namespace tw::win {
namespace {

constexpr int kHueBoxLimit = 360;
constexpr int kBoxLimit = 255;

void Step(ScrollBar& bar, bool up) { bar.SetPosition(bar.Position() + (up ? 1 : -1)); }

// Only a box that holds a number steps; a color code that is none, or an
// empty box, stays as it is and no error is shown. The hue box reaches 360
// like its bar; the others stop at 255.
void Step(Edit& box, bool up) {
  const std::optional<std::int32_t> number = ParseIntegerText(Narrow(box.Text()));
  if (!number) return;
  const int limit = box.Name() == design::kHsvRows[0].box.name ? kHueBoxLimit : kBoxLimit;
  if (up && *number <= limit - 1) box.SetText(std::to_wstring(*number + 1));
  if (!up && *number >= 1) box.SetText(std::to_wstring(*number - 1));
}

// The first and last items are ends: a list is never left without a
// selection, and one without a selection (a color with no name) stays so.
void Step(ComboBox& list, bool up) {
  const int selected = list.ItemIndex();
  if (selected < 0) return;
  const int next = up ? selected - 1 : selected + 1;
  if (next >= 0 && next < list.Count()) list.SetItemIndex(next);
  // Choosing from code raises no change; the list's own handler applies the
  // item as a user's choice does.
  if (list.OnChange) list.OnChange(list);
}

}  // namespace

void StepControlUnderPointer(const Form& form, bool up) {
  POINT pointer;
  GetCursorPos(&pointer);
  // Compared with the window's own controls: the window under the pointer
  // may belong to any program.
  const HWND under = WindowFromPoint(pointer);
  Control* control = nullptr;
  for (const auto& candidate : form.Controls()) {
    if (candidate->Handle() == under) control = candidate.get();
  }
  if (auto* bar = dynamic_cast<ScrollBar*>(control)) {
    Step(*bar, up);
  } else if (auto* box = dynamic_cast<Edit*>(control)) {
    Step(*box, up);
  } else if (auto* list = dynamic_cast<ComboBox*>(control)) {
    Step(*list, up);
  }
}

}  // namespace tw::win
