#include "win/dialogs/warnings.h"

namespace tw::win {

void ShowWarning(HWND owner, const std::wstring& text) {
  const UINT modality = owner ? MB_APPLMODAL : MB_TASKMODAL;
  MessageBoxW(owner, text.c_str(), L"Warning", MB_OK | MB_ICONWARNING | modality);
}

std::wstring InvalidLinkText(const std::wstring& target) {
  // A line feed, then a carriage return: the order users of the program
  // have always seen.
  return L"The following link is invalid :\n\r" + target;
}

}  // namespace tw::win
