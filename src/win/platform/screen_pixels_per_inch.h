#pragma once

namespace tw::win {

// The screen's resolution, as the window scales by it and its stored
// position is checked against it.
int ScreenPixelsPerInch();

}  // namespace tw::win
