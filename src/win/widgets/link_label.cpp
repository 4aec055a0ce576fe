#include "win/widgets/link_label.h"

#include <windowsx.h>

#include <utility>

namespace tw::win {

LinkLabel::LinkLabel(Form& owner, Control& parent, std::wstring name, const Design& design)
    : CustomControl(owner, parent, std::move(name)),
      caption_(design.caption),
      color_(design.color) {
  CreateCustom(L"TwLinkLabel", {design.left, design.top, 1, design.height});
  TrackHot();
  // Reached with Tab like a button.
  SetWindowLongPtrW(Handle(), GWL_STYLE, GetWindowLongPtrW(Handle(), GWL_STYLE) | WS_TABSTOP);
}

void LinkLabel::SetOwnFont(const LOGFONTW& font) {
  LOGFONTW underlined = font;
  underlined.lfUnderline = TRUE;
  underlinedFont_.Reset(CreateFontIndirectW(&underlined));
  ownFont_.Reset(CreateFontIndirectW(&font));
  UseOwnFont(ownFont_.Get());
}

void LinkLabel::Click() {
  if (OnClick) OnClick(*this);
}

void LinkLabel::FitToText() {
  if (!Handle()) return;
  MeasuringDC dc;
  SelectedObject font(dc.Get(), CurrentFont());
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), caption_.c_str(), static_cast<int>(caption_.size()), &size);
  SetBounds({Left(), Top(), size.cx, Height()});
}

void LinkLabel::Paint(HDC dc, const RECT& client) {
  FillBackground(dc, client, BackgroundColor());
  const bool focused = GetFocus() == Handle();
  const bool underlined = (Hot() || focused) && underlinedFont_;
  SelectedObject font(dc, underlined ? underlinedFont_.Get() : CurrentFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(color_));
  RECT area = client;
  DrawTextW(dc, caption_.c_str(), -1, &area, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT LinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateAll();
      break;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      break;
    case WM_LBUTTONUP: {
      const bool wasPressed = std::exchange(pressed_, false);
      RECT client;
      GetClientRect(Handle(), &client);
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (wasPressed && PtInRect(&client, at)) Click();
      break;
    }
    case WM_GETDLGCODE: {
      // Enter opens the link instead of pressing the dialog's OK; Tab and
      // Escape stay the dialog's.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
      return enter ? DLGC_WANTMESSAGE : 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_SPACE) {
        Click();
        return 0;
      }
      break;
    default:
      break;
  }
  return CustomControl::WindowProc(message, wParam, lParam);
}

}  // namespace tw::win
