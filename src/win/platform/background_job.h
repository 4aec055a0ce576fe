#pragma once

#include <windows.h>

#include <functional>
#include <thread>

namespace tw::win {

// Runs one piece of blocking work at a time on a worker thread and then its
// completion on the thread that owns this object, through that thread's
// message loop. The work must not touch windows; the completion may. The
// worker never outlives this object: destroying it waits for the work to
// end, and a completion not yet run then never runs.
class BackgroundJob {
 public:
  BackgroundJob();
  ~BackgroundJob();
  BackgroundJob(const BackgroundJob&) = delete;
  BackgroundJob& operator=(const BackgroundJob&) = delete;

  // False while work runs or waits for its completion.
  bool Idle() const { return !worker_.joinable(); }
  // Starts `work`; `completion` runs afterwards on this thread. Call only
  // when Idle(). Neither may throw: the work runs where nothing could catch
  // it, the completion inside a window procedure.
  void Start(std::function<void()> work, std::function<void()> completion);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Complete();

  HWND messageWindow_ = nullptr;
  std::thread worker_;
  std::function<void()> completion_;
};

}  // namespace tw::win
