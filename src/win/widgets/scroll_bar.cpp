#include "win/widgets/scroll_bar.h"

#include <algorithm>

namespace tw::win {

ScrollBar::ScrollBar(Form& owner, Control& parent, std::wstring name, const Design& design)
    : Control(owner, &parent, std::move(name)),
      min_(design.min),
      max_(design.max),
      smallChange_(design.smallChange),
      largeChange_(design.largeChange),
      position_(design.min) {
  Create({L"SCROLLBAR", WS_TABSTOP | SBS_HORZ, 0, L"", design.bounds});
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_POS | SIF_PAGE, min_, max_, 0, position_, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void ScrollBar::SetPosition(int position) {
  position = std::clamp(position, min_, max_);
  if (position == position_) return;
  position_ = position;
  // Repainted with the next paint rather than at once: a synchronous redraw
  // costs more than the rest of a whole synchronisation.
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, position, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, FALSE);
  InvalidateAll();
  if (OnChange) OnChange(*this);
}

bool ScrollBar::HandleReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_HSCROLL) return false;
  result = 0;
  switch (LOWORD(wParam)) {
    case SB_LINELEFT:
      SetPosition(position_ - smallChange_);
      break;
    case SB_LINERIGHT:
      SetPosition(position_ + smallChange_);
      break;
    case SB_PAGELEFT:
      SetPosition(position_ - largeChange_);
      break;
    case SB_PAGERIGHT:
      SetPosition(position_ + largeChange_);
      break;
    case SB_LEFT:
      SetPosition(min_);
      break;
    case SB_RIGHT:
      SetPosition(max_);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit track position; the 16 bits of wParam would wrap.
      SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), SB_CTL, &info);
      SetPosition(info.nTrackPos);
      break;
    }
    default:
      break;
  }
  return true;
}

}  // namespace tw::win
