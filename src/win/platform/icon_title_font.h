#pragma once

#include <windows.h>

namespace tw::win {

// Gives `font` the face, height, orientation, character set, style and pitch
// of the font the desktop uses for icon titles; false, and `font` as it was,
// when the desktop cannot tell.
bool ApplyIconTitleFont(LOGFONTW& font);

}  // namespace tw::win
