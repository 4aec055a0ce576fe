#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

namespace tw::win {

// One icon in the notification area, reporting to `window` with
// `callbackMessage`. A shell that is not ready (at logon) answers with no
// error or a time-out: the call is then tried again once a second, up to 31
// times, from the window's timer, so the window stays responsive meanwhile.
class NotifyIcon {
 public:
  static constexpr UINT_PTR kRetryTimer = 1;

  NotifyIcon(HWND window, UINT id, UINT callbackMessage, HICON icon, std::wstring tip);
  NotifyIcon(const NotifyIcon&) = delete;
  NotifyIcon& operator=(const NotifyIcon&) = delete;
  ~NotifyIcon();

  void Add();
  void Remove();
  // Forgets the icon without asking the shell: a restarted shell has none.
  void Forget();
  bool Shown() const { return shown_; }
  // An add that the shell has not answered yet.
  bool AddPending() const { return pending_ == Pending::kAdd; }

  // The window's WM_TIMER for kRetryTimer.
  void Retry();

  // An add failed for good: there is no icon.
  std::function<void()> OnAddFailed;

 private:
  enum class Pending { kNone, kAdd, kRemove };
  bool Call(DWORD message, UINT flags);
  void StartRetrying(Pending what);
  void StopRetrying();
  void Added();

  NOTIFYICONDATAW data_{};
  Pending pending_ = Pending::kNone;
  int attemptsLeft_ = 0;
  bool shown_ = false;
};

}  // namespace tw::win
