// The application's message loop ends when asked, even when a modal loop of
// the window system took the quit message for itself.
#include <windows.h>

#include <gtest/gtest.h>

#include "win/widgets/application.h"

namespace tw::test {
namespace {

using win::Application;

constexpr UINT kRunNestedLoop = WM_APP + 1;
bool timedOut = false;

// As the system's move loop does: runs its own loop, asks the program to end
// from inside it (a close chosen meanwhile), and ends on the quit message
// without posting it again.
LRESULT CALLBACK NestedLoopWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunNestedLoop) return DefWindowProcW(window, message, wParam, lParam);
  Application::Instance().Terminate();
  MSG inner;
  while (GetMessageW(&inner, nullptr, 0, 0) > 0) DispatchMessageW(&inner);
  return 0;
}

void CALLBACK EndAWaitingLoop(HWND, UINT, UINT_PTR, DWORD) {
  timedOut = true;
  PostQuitMessage(1);
}

TEST(MessageLoop, EndsAfterANestedLoopDroppedTheQuitMessage) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &NestedLoopWindow;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TwTestNestedLoop";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"TwTestNestedLoop", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(window);
  PostMessageW(window, kRunNestedLoop, 0, 0);
  // A loop that would wait forever fails the test instead of hanging it.
  timedOut = false;
  const UINT_PTR safetyNet = SetTimer(nullptr, 0, 5000, &EndAWaitingLoop);
  const int exitCode = Application::Instance().Run();
  KillTimer(nullptr, safetyNet);
  DestroyWindow(window);
  UnregisterClassW(L"TwTestNestedLoop", GetModuleHandleW(nullptr));
  EXPECT_FALSE(timedOut) << "the loop waited on after the program was asked to end";
  EXPECT_EQ(exitCode, 0);
  MSG left;
  EXPECT_FALSE(PeekMessageW(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a quit left waiting";
}

}  // namespace
}  // namespace tw::test
