#pragma once

#include "win/widgets/form.h"

namespace tw::win {

// One step of the mouse wheel for the control of the window that lies under
// the pointer: a scroll bar moves by one, a box holding a number by one up
// to its limit (360 for the hue, 255 for the others), a drop-down list to the previous or next item
// (never past its ends, nothing while it has no selection). Anything else under the pointer takes
// no step.
void StepControlUnderPointer(const Form& form, bool up);

}  // namespace tw::win
