#pragma once

#include <windows.h>

#include <string>

namespace tw::win {

// Puts plain Unicode text on the clipboard; false when the clipboard could
// not be had.
bool CopyTextToClipboard(HWND owner, const std::wstring& text);

}  // namespace tw::win
