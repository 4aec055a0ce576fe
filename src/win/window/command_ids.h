#pragma once

#include <windows.h>

namespace tw::win {

// Menu commands with fixed ids, so that other programs (and the tests that
// stand in for a user) can send them as WM_COMMAND.
inline constexpr UINT kExitCommand = 0xE001;

}  // namespace tw::win
