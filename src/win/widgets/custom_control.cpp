#include "win/widgets/custom_control.h"

#include "win/platform/dib_section.h"
#include "win/platform/handles.h"
#include "win/widgets/window_class.h"

namespace tw::win {

void CustomControl::CreateCustom(const wchar_t* className, const Rect& designBounds,
                                 UINT classStyle) {
  RegisterWindowClass(className, 0, classStyle);
  Create({className, WS_CLIPCHILDREN, 0, L"", designBounds});
}

void CustomControl::FillBackground(HDC dc, const RECT& area, TColor color) const {
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(color)));
  FillRect(dc, &area, brush.Get());
}

void CustomControl::SetHot(bool hot) {
  if (hot == hot_) return;
  hot_ = hot;
  if (hot) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
  }
  InvalidateAll();
}

LRESULT CustomControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (tracksHot_) SetHot(true);
      break;
    case WM_MOUSELEAVE:
      if (tracksHot_) SetHot(false);
      return 0;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      FontChanged();
      if (lParam) InvalidateAll();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      RECT client;
      GetClientRect(Handle(), &client);
      // Drawn off-screen first, so a repaint never flickers; into a DIB
      // section rather than a bitmap compatible with the screen, as under
      // Wine creating and selecting a screen-compatible bitmap re-reads the
      // display configuration, six server round trips on every paint.
      GdiObject<HBITMAP> buffer = CreateDibSection(client.right, client.bottom, 32);
      if (buffer) {
        MemoryDC memory(dc, buffer.Get());
        Paint(memory.Get(), client);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
      }
      EndPaint(Handle(), &paint);
      return 0;
    }
    default:
      break;
  }
  LRESULT result = 0;
  if (ReflectToChild(message, wParam, lParam, result)) return result;
  return Control::WindowProc(message, wParam, lParam);
}

}  // namespace tw::win
