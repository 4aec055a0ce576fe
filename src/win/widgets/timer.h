#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tw::win {

// A window-system timer on the form's window.
class Timer {
 public:
  Timer(HWND window, UINT_PTR id, std::wstring name, UINT interval)
      : window_(window), id_(id), name_(std::move(name)), interval_(interval) {}
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer() { SetEnabled(false); }

  const std::wstring& Name() const { return name_; }
  UINT_PTR Id() const { return id_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled) {
      SetTimer(window_, id_, interval_, nullptr);
    } else {
      KillTimer(window_, id_);
    }
  }
  void Fire() {
    if (OnTimer) OnTimer(*this);
  }

  std::function<void(Timer&)> OnTimer;

 private:
  HWND window_;
  UINT_PTR id_;
  std::wstring name_;
  UINT interval_;
  bool enabled_ = false;
};

}  // namespace tw::win
