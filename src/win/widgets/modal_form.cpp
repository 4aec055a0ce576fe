#include "win/widgets/modal_form.h"

namespace tw::win {

int ModalForm::ShowModal(Control* focus) {
  HWND owner = GetWindow(Handle(), GW_OWNER);
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  showing_ = true;
  ended_ = false;
  result_ = 0;
  ShowWindow(Handle(), SW_SHOWNORMAL);
  NoteVisibility(true);
  SetFocus(focus ? focus->Handle() : GetNextDlgTabItem(Handle(), nullptr, FALSE));
  MSG message;
  while (!ended_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (IsDialogMessageW(Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The owner first, so that the activation goes back to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (Handle()) ShowWindow(Handle(), SW_HIDE);
  NoteVisibility(false);
  showing_ = false;
  return result_;
}

void ModalForm::EndModal(int result) {
  result_ = result;
  ended_ = true;
}

LRESULT ModalForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The dialog manager's Enter and Escape, which no control of ours owns.
  if (message == WM_COMMAND && lParam == 0 &&
      (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndModal(LOWORD(wParam));
    return 0;
  }
  return Form::WindowProc(message, wParam, lParam);
}

}  // namespace tw::win
