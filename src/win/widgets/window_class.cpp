#include "win/widgets/window_class.h"

namespace tw::win {

void RegisterWindowClass(const wchar_t* className, int iconResource, UINT classStyle) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, className, &windowClass)) return;
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  if (iconResource) windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(iconResource));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

}  // namespace tw::win
