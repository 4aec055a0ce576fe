#include "win/widgets/speed_button.h"

#include <windowsx.h>

namespace tw::win {

SpeedButton::SpeedButton(Form& owner, Control& parent, std::wstring name, const Design& design)
    : CustomControl(owner, parent, std::move(name)), caption_(design.caption) {
  CreateCustom(L"TwSpeedButton", design.bounds);
  TrackHot();
}

void SpeedButton::SetGlyph(HIMAGELIST images, int index) {
  images_ = images;
  glyph_ = index;
  InvalidateAll();
}

void SpeedButton::SetOwnFont(const LOGFONTW& font) {
  ownFont_.Reset(CreateFontIndirectW(&font));
  UseOwnFont(ownFont_.Get());
}

void SpeedButton::Paint(HDC dc, const RECT& client) {
  FillBackground(dc, client, BackgroundColor());
  RECT area = client;
  if (pressed_) {
    DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
  } else if (Hot()) {
    DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
  }
  const int shift = pressed_ ? 1 : 0;
  if (images_ && glyph_ >= 0) {
    int width = 0;
    int height = 0;
    ImageList_GetIconSize(images_, &width, &height);
    ImageList_Draw(images_, glyph_, dc, (client.right - width) / 2 + shift,
                   (client.bottom - height) / 2 + shift, ILD_TRANSPARENT);
    return;
  }
  SelectedObject font(dc, CurrentFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(kWindowTextColor));
  OffsetRect(&area, shift, shift);
  DrawTextW(dc, caption_.c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT SpeedButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetCapture(Handle());
      pressed_ = true;
      InvalidateAll();
      break;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      InvalidateAll();
      // The handlers run before the click, as a user's release would have them.
      const LRESULT result = CustomControl::WindowProc(message, wParam, lParam);
      if (GetCapture() == Handle()) ReleaseCapture();
      RECT client;
      GetClientRect(Handle(), &client);
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (wasPressed && PtInRect(&client, at) && OnClick) OnClick(*this);
      return result;
    }
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        InvalidateAll();
      }
      break;
    default:
      break;
  }
  return CustomControl::WindowProc(message, wParam, lParam);
}

}  // namespace tw::win
