#include "dialog_support.h"

#include <algorithm>
#include <vector>

#include "test_support.h"

namespace tw::test {
namespace {

// The watchers waiting on this thread; the timer procedure finds them here.
std::vector<WhenWindowShows*>& Watchers() {
  static std::vector<WhenWindowShows*> watchers;
  return watchers;
}

}  // namespace

WhenWindowShows::WhenWindowShows(std::wstring className, std::function<void(HWND)> action)
    : className_(std::move(className)), action_(std::move(action)) {
  Watchers().push_back(this);
  timer_ = SetTimer(nullptr, 0, 20, &WhenWindowShows::Tick);
}

WhenWindowShows::~WhenWindowShows() {
  KillTimer(nullptr, timer_);
  auto& watchers = Watchers();
  watchers.erase(std::remove(watchers.begin(), watchers.end(), this), watchers.end());
}

void CALLBACK WhenWindowShows::Tick(HWND, UINT, UINT_PTR, DWORD) {
  // A copy: an action may start another watcher.
  for (WhenWindowShows* watcher : std::vector<WhenWindowShows*>(Watchers())) watcher->Check();
}

void WhenWindowShows::Check() {
  if (ran_ || running_) return;  // an action's own message loop ticks too
  HWND window = FindProcessWindow(GetCurrentProcessId(), className_.c_str());
  if (!window || !IsWindowVisible(window)) return;
  running_ = true;
  action_(window);
  running_ = false;
  ran_ = true;
}

void ClickWindow(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  SendMessageW(window, WM_LBUTTONUP, 0, middle);
}

}  // namespace tw::test
