#pragma once

#include <windows.h>

#include <string>

namespace tw::win {

// A warning box captioned "Warning" with one OK button. Without an owner it
// stands centred on the screen and holds every window of the program until
// it is answered.
void ShowWarning(HWND owner, const std::wstring& text);

// The warning for a document or address that the desktop could not open.
std::wstring InvalidLinkText(const std::wstring& target);

}  // namespace tw::win
