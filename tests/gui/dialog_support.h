#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/platform/shell_open.h"

namespace tw::test {

// Runs `action` once, on this thread, as soon as a visible top-level window
// of the class shows in this process, from inside whichever message loop
// runs then: a test reaches the program's own modal dialogs this way while
// they show, reads them and closes them.
class WhenWindowShows {
 public:
  WhenWindowShows(std::wstring className, std::function<void(HWND)> action);
  ~WhenWindowShows();
  WhenWindowShows(const WhenWindowShows&) = delete;
  WhenWindowShows& operator=(const WhenWindowShows&) = delete;
  bool Ran() const { return ran_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void Check();

  std::wstring className_;
  std::function<void(HWND)> action_;
  UINT_PTR timer_ = 0;
  bool running_ = false;
  bool ran_ = false;
};

// Stands in for the desktop's "open": records each request and answers
// with the given success, starting nothing.
class ShellOpenRecorder {
 public:
  explicit ShellOpenRecorder(bool succeeds = true) : succeeds_(succeeds) {}
  win::ShellOpener Opener() {
    return [this](const win::ShellOpenRequest& request) {
      requests_.push_back(request);
      return succeeds_;
    };
  }
  const std::vector<win::ShellOpenRequest>& Requests() const { return requests_; }

 private:
  bool succeeds_;
  std::vector<win::ShellOpenRequest> requests_;
};

// A left click, press and release, in the middle of a control's window.
void ClickWindow(HWND window);

}  // namespace tw::test
