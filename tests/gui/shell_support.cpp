#include "shell_support.h"

#include <vector>

#include "test_support.h"

namespace tw::test {
namespace {

constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU

// The pixels of a screen rectangle, 32 bits each, top row first.
std::vector<DWORD> CaptureScreen(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The icon's 16 × 16 pixels with their alpha, top row first.
std::vector<DWORD> IconPixels(HICON icon) {
  ICONINFO parts{};
  GetIconInfo(icon, &parts);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB};
  std::vector<DWORD> pixels(16 * 16);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, parts.hbmColor, 0, 16, pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(parts.hbmColor);
  DeleteObject(parts.hbmMask);
  return pixels;
}

HWND NotificationArea() { return FindWindowW(L"Shell_TrayWnd", nullptr); }

struct ChildSearch {
  const wchar_t* className;
  LONG_PTR id;      // matched when not 0
  DWORD processId;  // matched when not 0
  HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<ChildSearch*>(lParam);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != search.className) return TRUE;
  if (!IsWindowVisible(window)) return TRUE;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (search.processId && processId != search.processId) return TRUE;
  if (search.id && (GetWindowLongPtrW(window, GWLP_ID) & 0xFFFFFFFF) != search.id) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM lParam) { return MatchChild(window, lParam); }

HWND ShownTopLevel(const wchar_t* className, DWORD processId) {
  ChildSearch search{className, 0, processId, nullptr};
  EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

bool FindTrayIconOnScreen(HICON icon, POINT& center) {
  RECT area;
  if (!GetWindowRect(NotificationArea(), &area)) return false;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const std::vector<DWORD> screen = CaptureScreen(area);
  const std::vector<DWORD> image = IconPixels(icon);
  for (int top = 0; top + 16 <= height; ++top) {
    for (int left = 0; left + 16 <= width; ++left) {
      bool same = true;
      for (int i = 0; i < 256 && same; ++i) {
        if ((image[i] >> 24) != 0xFF) continue;  // blended with what lies behind
        same = (screen[(top + i / 16) * width + left + i % 16] & 0xFFFFFF) == (image[i] & 0xFFFFFF);
      }
      if (!same) continue;
      center = {area.left + left + 8, area.top + top + 8};
      return true;
    }
  }
  return false;
}

std::wstring TrayTipAt(POINT point) {
  SetCursorPos(point.x, point.y);
  DWORD shellProcess = 0;
  GetWindowThreadProcessId(NotificationArea(), &shellProcess);
  std::wstring text;
  WaitUntil([&] {
    HWND tip = ShownTopLevel(L"tooltips_class32", shellProcess);
    if (!tip) return false;
    wchar_t buffer[128] = {};
    SendMessageW(tip, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(buffer));
    text = buffer;
    return !text.empty();
  });
  return text;
}

void ClickAt(POINT point, bool rightButton) {
  SetCursorPos(point.x, point.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

bool WaitForTaskbarButton(HWND window, bool shown) {
  // Wine's taskbar looks at the windows again when a top-level window comes
  // or goes, not when one is merely hidden: a window that comes and goes
  // at once makes it do so.
  HWND passing = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1,
                                 1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  DestroyWindow(passing);
  const LONG_PTR id = reinterpret_cast<LONG_PTR>(window) & 0xFFFFFFFF;
  return WaitUntil([&] {
    ChildSearch search{L"Button", id, 0, nullptr};
    EnumChildWindows(NotificationArea(), &MatchChild, reinterpret_cast<LPARAM>(&search));
    return (search.found != nullptr) == shown;
  });
}

PopupMenuWatcher::PopupMenuWatcher(bool chooseLast)
    : chooseLast_(chooseLast), thread_([this] { Watch(); }) {}

PopupMenuWatcher::~PopupMenuWatcher() {
  stop_ = true;
  thread_.join();
}

void PopupMenuWatcher::Watch() {
  HWND shown = nullptr;
  while (!stop_ && !(shown = ShownTopLevel(L"#32768", GetCurrentProcessId()))) Sleep(10);
  if (!shown) return;
  DWORD_PTR result = 0;
  SendMessageTimeoutW(shown, kGetMenuHandle, 0, 0, SMTO_BLOCK, 5000, &result);
  HMENU menu = reinterpret_cast<HMENU>(result);
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    lines_.push_back(
        {text, (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0});
  }
  seen_ = true;
  if (chooseLast_) {
    PostMessageW(shown, WM_KEYDOWN, VK_END, 0);
    PostMessageW(shown, WM_KEYDOWN, VK_RETURN, 0);
  } else {
    PostMessageW(shown, WM_KEYDOWN, VK_ESCAPE, 0);
  }
}

}  // namespace tw::test
