#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "core/color/bgr_image.h"
#include "core/color/tcolor.h"
#include "core/sampling/screen_rect.h"
#include "win/platform/handles.h"

namespace tw::win {

// Reads the screen for the eyedropper: one block copy per sample into a
// buffer that is reused from tick to tick, rather than a call per pixel.
class ScreenReader {
 public:
  ScreenReader();

  // The monitors' rectangles, read again (a grab starts with this).
  void RefreshMonitors();
  // The pixel under (x, y) or the average of the 3 × 3 (average 1) or 5 × 5
  // (average 2) block around it, counting only pixels on a monitor; nothing
  // when none of them is.
  std::optional<TColor> Sample(HDC screen, int x, int y, int average);
  // Copies the screen rectangle into `target`, a bitmap of its size.
  void Capture(HDC screen, const ScreenRect& rect, HBITMAP target) const;

 private:
  void CopyScreen(HDC screen, const ScreenRect& rect, HDC target) const;

  RECT desktop_{};
  std::vector<ScreenRect> monitors_;
  GdiObject<HBITMAP> block_;
  BgrImageView blockView_;
};

}  // namespace tw::win
