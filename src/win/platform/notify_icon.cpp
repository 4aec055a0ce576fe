#include "win/platform/notify_icon.h"

#include <algorithm>

namespace tw::win {
namespace {

constexpr int kRetryAttempts = 31;
constexpr UINT kRetryIntervalMs = 1000;
constexpr UINT kTipLength = 127;
constexpr UINT kAddFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

bool ShellNotReady(DWORD error) { return error == ERROR_SUCCESS || error == ERROR_TIMEOUT; }

}  // namespace

NotifyIcon::NotifyIcon(HWND window, UINT id, UINT callbackMessage, HICON icon, std::wstring tip) {
  data_.cbSize = sizeof(data_);
  data_.hWnd = window;
  data_.uID = id;
  data_.uCallbackMessage = callbackMessage;
  data_.hIcon = icon;
  // The tip is the hint up to any "|".
  tip = tip.substr(0, std::min<size_t>(tip.find(L'|'), kTipLength));
  std::copy(tip.begin(), tip.end(), data_.szTip);
}

NotifyIcon::~NotifyIcon() {
  StopRetrying();
  if (shown_) Call(NIM_DELETE, 0);
}

bool NotifyIcon::Call(DWORD message, UINT flags) {
  NOTIFYICONDATAW data = data_;
  data.uFlags = flags;
  SetLastError(ERROR_SUCCESS);
  return Shell_NotifyIconW(message, &data) != FALSE;
}

void NotifyIcon::Added() {
  shown_ = true;
  NOTIFYICONDATAW data = data_;
  data.uVersion = NOTIFYICON_VERSION;  // a right click then arrives as WM_CONTEXTMENU
  Shell_NotifyIconW(NIM_SETVERSION, &data);
}

void NotifyIcon::Add() {
  if (shown_ || pending_ == Pending::kAdd) return;
  StopRetrying();
  if (Call(NIM_ADD, kAddFlags)) {
    Added();
  } else if (ShellNotReady(GetLastError())) {
    StartRetrying(Pending::kAdd);
  } else if (OnAddFailed) {
    OnAddFailed();
  }
}

void NotifyIcon::Remove() {
  if (pending_ == Pending::kAdd) StopRetrying();
  if (!shown_ || pending_ == Pending::kRemove) return;
  if (Call(NIM_DELETE, 0)) {
    shown_ = false;
  } else if (ShellNotReady(GetLastError())) {
    StartRetrying(Pending::kRemove);
  }
}

void NotifyIcon::Forget() {
  StopRetrying();
  shown_ = false;
}

void NotifyIcon::StartRetrying(Pending what) {
  pending_ = what;
  attemptsLeft_ = kRetryAttempts;
  SetTimer(data_.hWnd, kRetryTimer, kRetryIntervalMs, nullptr);
}

void NotifyIcon::StopRetrying() {
  if (pending_ == Pending::kNone) return;
  KillTimer(data_.hWnd, kRetryTimer);
  pending_ = Pending::kNone;
}

void NotifyIcon::Retry() {
  const Pending what = pending_;
  if (what == Pending::kNone) return;
  --attemptsLeft_;
  // An earlier call may have reached the shell although it reported a
  // failure: asking to change the icon tells whether it is there.
  const bool exists = Call(NIM_MODIFY, 0);
  const bool done =
      what == Pending::kAdd ? exists || Call(NIM_ADD, kAddFlags) : !exists || Call(NIM_DELETE, 0);
  if (done) {
    StopRetrying();
    if (what == Pending::kAdd) {
      Added();
    } else {
      shown_ = false;
    }
    return;
  }
  if (attemptsLeft_ > 0 && ShellNotReady(GetLastError())) return;
  StopRetrying();
  if (what == Pending::kAdd && OnAddFailed) OnAddFailed();
}

}  // namespace tw::win
