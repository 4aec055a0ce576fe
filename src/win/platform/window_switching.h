#pragma once

#include <windows.h>

namespace tw::win {

// The first top-level window, in the system's order, of that process whose
// class is exactly "TApplication": the hidden window that stands for a copy
// of the program. Null when there is none.
HWND FindApplicationWindow(DWORD processId);

// Restores the window when it is minimized (a bounded send, so a copy that
// hangs cannot hang the caller), then makes it the foreground window.
bool BringApplicationToFront(HWND window);

// Whether that process has ended; a process that exists but may not be
// looked at (another user's) counts as running.
bool ProcessHasEnded(DWORD processId);

}  // namespace tw::win
