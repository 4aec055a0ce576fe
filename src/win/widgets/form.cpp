#include "win/widgets/form.h"

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "win/platform/font_description.h"
#include "win/platform/screen_pixels_per_inch.h"
#include "win/widgets/menu.h"
#include "win/widgets/timer.h"
#include "win/widgets/window_class.h"

namespace tw::win {

Form::Form(std::wstring name, const Design& design)
    : Control(*this, nullptr, std::move(name)), hints_(*this) {
  CreateWindowFromDesign(design);
}

Form::~Form() {
  timers_.clear();
  if (Handle()) DestroyWindow(Handle());
}

void Form::CreateWindowFromDesign(const Design& design) {
  pixelsPerInch_ = ScreenPixelsPerInch();
  color_ = design.color;
  RegisterWindowClass(design.className, kProgramIcon);
  RECT outer{0, 0, Scale(design.clientWidth), Scale(design.clientHeight)};
  AdjustWindowRectEx(&outer, design.style, FALSE, 0);
  HWND window = CreateWindowExW(0, design.className, design.caption.c_str(), design.style, 0, 0,
                                outer.right - outer.left, outer.bottom - outer.top,
                                design.ownerWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) throw std::runtime_error("Cannot create the main window");
  AdoptHandle(window);
  NoteVisibility(false);
  RefreshBoundsFromWindow();
  SetFormFont(FontDescription(design.fontName, Scale(design.fontHeight), FW_NORMAL));
}

void Form::SetFormFont(LOGFONTW font) {
  font_.Reset(CreateFontIndirectW(&font));
  for (const auto& control : controls_) {
    if (!control->HasOwnFont()) control->SetFont(font_.Get());
  }
}

PopupMenu& Form::AddPopupMenu(std::wstring name) {
  menus_.push_back(std::make_unique<PopupMenu>(*this, std::move(name)));
  return *menus_.back();
}

Timer& Form::AddTimer(std::wstring name, UINT interval) {
  timers_.push_back(
      std::make_unique<Timer>(Handle(), timers_.size() + 1, std::move(name), interval));
  return *timers_.back();
}

Control* Form::FindControl(std::wstring_view name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

MenuItem* Form::FindMenuItem(std::wstring_view name) const {
  for (const auto& menu : menus_) {
    if (MenuItem* item = menu->Items().Find(name)) return item;
  }
  return nullptr;
}

MenuItem* Form::FindMenuItemById(UINT id) const {
  for (const auto& menu : menus_) {
    if (MenuItem* item = menu->Items().FindById(id)) return item;
  }
  return nullptr;
}

bool Form::HandleShortcut(UINT virtualKey) {
  if (!shortcutMenu_) return false;
  MenuItem* item = shortcutMenu_->Items().FindByShortCut(PressedShortCut(virtualKey));
  if (!item) return false;
  item->Click();
  return true;
}

Rect Form::Scale(const Rect& design) const {
  return {Scale(design.left), Scale(design.top), Scale(design.width), Scale(design.height)};
}

SIZE Form::OuterSize() const {
  RECT r;
  GetWindowRect(Handle(), &r);
  return {r.right - r.left, r.bottom - r.top};
}

void Form::SetOuterSize(SIZE size) {
  // The frame may have changed with the style (a title bar shown or hidden).
  SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RefreshBoundsFromWindow();
}

void Form::CenterOnScreen() {
  const SIZE size = OuterSize();
  const int left = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RefreshBoundsFromWindow();
}

void Form::SetScreenCursor(HCURSOR cursor) {
  screenCursor_ = cursor;
  SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_ARROW));
}

void Form::SetCaption(const std::wstring& caption) { SetWindowTextW(Handle(), caption.c_str()); }

void Form::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(color_)));
  FillRect(dc, &paint.rcPaint, brush.Get());
  EndPaint(Handle(), &paint);
}

LRESULT Form::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) {
        if (MenuItem* item = FindMenuItemById(LOWORD(wParam))) item->Click();
        return 0;
      }
      break;
    case WM_NOTIFY:
      if (hints_.HandleNotify(*reinterpret_cast<const NMHDR*>(lParam))) return 0;
      break;
    case WM_TIMER:
      for (const auto& timer : timers_) {
        if (timer->Id() == wParam && timer->Enabled()) timer->Fire();
      }
      return 0;
    case WM_CLOSE:
      CloseRequested();
      return 0;
    case WM_QUERYENDSESSION:
      return QueryEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
      EndSession(wParam != FALSE);
      return 0;
    case WM_DESTROY:
      Destroyed();
      break;
    default:
      break;
  }
  if (ReflectToChild(message, wParam, lParam, result)) return result;
  return Control::WindowProc(message, wParam, lParam);
}

}  // namespace tw::win
