#include "win/platform/window_switching.h"

#include <cwchar>

#include "win/platform/handles.h"

namespace tw::win {
namespace {

constexpr UINT kRestoreTimeoutMs = 2000;

struct ApplicationWindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchApplicationWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<ApplicationWindowSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search.processId) return TRUE;
  // Room for the name and one more character, so a longer class name that
  // starts the same never matches.
  wchar_t className[14] = {};
  GetClassNameW(window, className, 14);
  if (std::wcscmp(className, L"TApplication") != 0) return TRUE;
  search.found = window;
  return FALSE;
}

// The foreground may be given only by the thread that has it; joining its
// input for the moment of the call lends this thread that right.
bool SetForegroundFromAnyThread(HWND window) {
  HWND foreground = GetForegroundWindow();
  if (foreground == window) return true;
  const DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
  const DWORD targetThread = GetWindowThreadProcessId(window, nullptr);
  if (foreground && foregroundThread != targetThread) {
    AttachThreadInput(foregroundThread, targetThread, TRUE);
    const BOOL set = SetForegroundWindow(window);
    AttachThreadInput(foregroundThread, targetThread, FALSE);
    if (!set) return false;
  }
  return SetForegroundWindow(window) != FALSE;
}

}  // namespace

HWND FindApplicationWindow(DWORD processId) {
  ApplicationWindowSearch search{processId, nullptr};
  EnumWindows(&MatchApplicationWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool BringApplicationToFront(HWND window) {
  if (IsIconic(window)) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                        kRestoreTimeoutMs, &ignored);
  }
  return SetForegroundFromAnyThread(window);
}

bool ProcessHasEnded(DWORD processId) {
  KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process.Get()) return GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD exitCode = 0;
  return GetExitCodeProcess(process.Get(), &exitCode) && exitCode != STILL_ACTIVE;
}

}  // namespace tw::win
