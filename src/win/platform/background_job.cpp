#include "win/platform/background_job.h"

#include <stdexcept>
#include <utility>

namespace tw::win {
namespace {

constexpr wchar_t kMessageWindowClass[] = L"TwBackgroundJob";
constexpr UINT kWorkDone = WM_APP + 1;

}  // namespace

BackgroundJob::BackgroundJob() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &BackgroundJob::WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kMessageWindowClass;
  RegisterClassW(&windowClass);  // fails harmlessly when it exists already
  // A message-only window: it carries the worker's "done" to this thread's
  // message loop, whichever window or dialog runs that loop at the time.
  messageWindow_ = CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                   nullptr, instance, nullptr);
  if (!messageWindow_) throw std::runtime_error("Cannot create a message window");
  SetWindowLongPtrW(messageWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BackgroundJob::~BackgroundJob() {
  if (worker_.joinable()) worker_.join();
  // A "done" still queued goes with the window.
  DestroyWindow(messageWindow_);
}

void BackgroundJob::Start(std::function<void()> work, std::function<void()> completion) {
  if (!Idle()) throw std::logic_error("A background job is still running");
  completion_ = std::move(completion);
  HWND window = messageWindow_;
  worker_ = std::thread([work = std::move(work), window] {
    work();
    PostMessageW(window, kWorkDone, 0, 0);
  });
}

void BackgroundJob::Complete() {
  // The worker has posted as its last act, so this join is immediate; it
  // also makes everything the work wrote visible here.
  worker_.join();
  std::function<void()> completion = std::move(completion_);
  completion_ = nullptr;
  completion();
}

LRESULT CALLBACK BackgroundJob::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message != kWorkDone) return DefWindowProcW(window, message, wParam, lParam);
  auto* job = reinterpret_cast<BackgroundJob*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (job && !job->Idle()) job->Complete();
  return 0;
}

}  // namespace tw::win
