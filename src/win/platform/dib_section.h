#pragma once

#include <windows.h>

#include "win/platform/handles.h"

namespace tw::win {

// A top-down DIB section: rows from the top, each padded to four bytes. Null
// when it cannot be made; `bits`, when given, receives its first row.
GdiObject<HBITMAP> CreateDibSection(int width, int height, WORD bitsPerPixel,
                                    void** bits = nullptr);

}  // namespace tw::win
