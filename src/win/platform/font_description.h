#pragma once

#include <windows.h>

namespace tw::win {

// The description of a font to create: `height` as LOGFONT takes it, a
// negative one being the characters' height in pixels.
LOGFONTW FontDescription(const wchar_t* face, LONG height, LONG weight,
                         BYTE charSet = DEFAULT_CHARSET);

}  // namespace tw::win
