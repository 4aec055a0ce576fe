#include "win/platform/screen_reader.h"

#include "core/sampling/color_averaging.h"
#include "win/platform/dib_section.h"

namespace tw::win {
namespace {

constexpr int kLargestBlock = 5;

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM monitors) {
  reinterpret_cast<std::vector<ScreenRect>*>(monitors)->push_back(
      {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top});
  return TRUE;
}

}  // namespace

// Copies the screen rectangle to (0, 0) of `target`. Only the part on the
// desktop is read (a copy reaching beyond it may fail as a whole); the rest
// is black.
void ScreenReader::CopyScreen(HDC screen, const ScreenRect& rect, HDC target) const {
  const RECT& desktop = desktop_;
  const RECT wanted{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
  RECT part;
  if (!IntersectRect(&part, &wanted, &desktop) || !EqualRect(&part, &wanted)) {
    PatBlt(target, 0, 0, rect.width, rect.height, BLACKNESS);
  }
  if (!IsRectEmpty(&part)) {
    BitBlt(target, part.left - rect.x, part.top - rect.y, part.right - part.left,
           part.bottom - part.top, screen, part.left, part.top, SRCCOPY);
  }
  GdiFlush();
}

ScreenReader::ScreenReader() {
  void* bits = nullptr;
  block_ = CreateDibSection(kLargestBlock, kLargestBlock, 24, &bits);
  blockView_ = {static_cast<std::uint8_t*>(bits), kLargestBlock, kLargestBlock,
                BitmapRowStride(kLargestBlock)};
  RefreshMonitors();
}

void ScreenReader::RefreshMonitors() {
  monitors_.clear();
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors_));
  // Read once per grab: under Wine each of these costs a tenth of a millisecond.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  desktop_ = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
              top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::optional<TColor> ScreenReader::Sample(HDC screen, int x, int y, int average) {
  if (!block_) return std::nullopt;
  const ScreenRect block = SampleBlock(x, y, average);
  MemoryDC memory(screen, block_.Get());
  CopyScreen(screen, block, memory.Get());
  const BgrImageView view{blockView_.bits, block.width, block.height, blockView_.stride};
  return AverageColor(view, block.x, block.y, monitors_);
}

void ScreenReader::Capture(HDC screen, const ScreenRect& rect, HBITMAP target) const {
  MemoryDC memory(screen, target);
  CopyScreen(screen, rect, memory.Get());
}

}  // namespace tw::win
