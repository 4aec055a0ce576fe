#pragma once

#include <windows.h>

#include "resource_ids.h"

namespace tw::win {

// The resource id of the program icon.
inline constexpr int kProgramIcon = IDI_TINTWRIGHT;

// Registers a window class whose procedure is DefWindowProcW; the wrappers
// give each window its behaviour by subclassing. Registering twice is harmless.
void RegisterWindowClass(const wchar_t* className, int iconResource = 0, UINT classStyle = 0);

}  // namespace tw::win
