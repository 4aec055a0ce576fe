#include "win/platform/screen_pixels_per_inch.h"

#include <windows.h>

#include "win/platform/handles.h"

namespace tw::win {

int ScreenPixelsPerInch() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

}  // namespace tw::win
