#pragma once

// Helpers that look at the desktop's shell the way a user does: the icons
// in the notification area, their tips, the taskbar's buttons, and popup
// menus open on the screen.

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tw::test {

// The center of the place where the notification area shows `icon`, found
// by its fully opaque pixels; false when it shows nowhere.
bool FindTrayIconOnScreen(HICON icon, POINT& center);
// Rests the pointer on `point` and answers the text of the tip that the
// notification area then shows; empty on time-out.
std::wstring TrayTipAt(POINT point);
// A press and release of the left or right button at a point of the screen.
void ClickAt(POINT point, bool rightButton = false);

// Waits until the taskbar of Wine's desktop shows a button for `window`, or
// shows none when `shown` is false; false on time-out.
bool WaitForTaskbarButton(HWND window, bool shown);

// The top-level items of a popup menu as they were on the screen.
struct MenuLine {
  std::wstring text;  // caption, a tab and the shortcut; empty for a separator
  bool checked;
};

// Watches from a thread of its own for a popup menu of this process to
// open, records its top-level items, then closes it, or chooses its last
// item when `chooseLast`. The menu's own loop runs on the test's thread.
class PopupMenuWatcher {
 public:
  explicit PopupMenuWatcher(bool chooseLast = false);
  ~PopupMenuWatcher();
  PopupMenuWatcher(const PopupMenuWatcher&) = delete;
  PopupMenuWatcher& operator=(const PopupMenuWatcher&) = delete;

  bool Seen() const { return seen_; }
  // Valid once Seen() is true.
  const std::vector<MenuLine>& Lines() const { return lines_; }

 private:
  void Watch();

  bool chooseLast_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> seen_{false};
  std::vector<MenuLine> lines_;
  std::thread thread_;
};

}  // namespace tw::test
