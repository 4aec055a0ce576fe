#include "win/widgets/hints.h"

#include <windows.h>
#include <commctrl.h>

#include "win/widgets/control.h"
#include "win/widgets/form.h"

namespace tw::win {

void HintWindow::Register(Control& control) {
  if (!tooltip_) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form_.Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  }
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = form_.Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HintWindow::Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const {
  if (!tooltip_) return;
  MSG relayed{control, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  GetCursorPos(&relayed.pt);
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

bool HintWindow::HandleNotify(const NMHDR& header) const {
  if (header.code != TTN_GETDISPINFOW || header.hwndFrom != tooltip_) return false;
  auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
  const Control* control = Control::FromHandle(reinterpret_cast<HWND>(header.idFrom));
  static wchar_t empty[] = L"";
  info.lpszText =
      control && control->ShowHint() ? const_cast<wchar_t*>(control->Hint().c_str()) : empty;
  return true;
}

}  // namespace tw::win
