#include "win/widgets/control.h"

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>

#include "win/platform/handles.h"
#include "win/platform/text.h"
#include "win/widgets/application.h"
#include "win/widgets/form.h"
#include "win/widgets/menu.h"

namespace tw::win {

Control::Control(Form& owner, Control* parent, std::wstring name)
    : owner_(owner), parent_(parent), name_(std::move(name)) {}

Control::~Control() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void Control::Create(const CreateArgs& args) {
  const Rect bounds = owner_.Scale(args.designBounds);
  DWORD style = args.style | (visible_ ? WS_VISIBLE : 0);
  HWND parentWindow = nullptr;
  HMENU id = nullptr;
  if (parent_) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    parentWindow = parent_->Handle();
    id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(owner_.NextControlId()));
  }
  Form::CreationScope scope(owner_, *this);
  HWND window = CreateWindowExW(args.exStyle, args.className, args.text.c_str(), style, bounds.left,
                                bounds.top, bounds.width, bounds.height, parentWindow, id,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) throw std::runtime_error("Cannot create the window " + Narrow(name_));
  // A later sibling lies above the earlier ones, as in the design.
  if (parent_) SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  bounds_ = bounds;
  AdoptHandle(window);
}

void Control::AdoptHandle(HWND window) {
  hwnd_ = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // Subclassed by replacing the window procedure, not with SetWindowSubclass:
  // that keeps its data in a window property, and under Wine every property
  // read is a round trip to the server, on every message.
  originalProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::SubclassProc)));
  if (&owner_ != this) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(owner_.Font()), 0);
}

Control* Control::FromHandle(HWND window) {
  return window ? reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

void Control::SetBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  const Rect old = bounds_;
  bounds_ = bounds;
  // Moved without the window system's immediate erase of both places (about
  // ten server round trips under Wine); the parent repaints the old and the
  // new place, this control included, with its next paint.
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  const RECT before{old.left, old.top, old.left + old.width, old.top + old.height};
  const RECT after{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
  RECT both;
  UnionRect(&both, &before, &after);
  RedrawWindow(GetParent(hwnd_), &both, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Control::RefreshBoundsFromWindow() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  if (HWND parent = GetParent(hwnd_); parent && (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  bounds_ = {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  EnableWindow(hwnd_, enabled);
}

void Control::SetHint(std::wstring hint) {
  if (hint_.empty() && !hint.empty()) owner_.Hints().Register(*this);
  hint_ = std::move(hint);
}

TColor Control::BackgroundColor() const {
  return parent_ ? parent_->BackgroundColor() : kButtonFaceColor;
}

void Control::SetFont(HFONT font) {
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::InvalidateAll() const { InvalidateRect(hwnd_, nullptr, FALSE); }

void InvalidateTogether(HWND ancestor, std::span<const Control* const> controls) {
  GdiObject<HRGN> area(CreateRectRgn(0, 0, 0, 0));
  for (const Control* control : controls) {
    RECT place{0, 0, control->Width(), control->Height()};
    MapWindowPoints(control->Handle(), ancestor, reinterpret_cast<POINT*>(&place), 2);
    GdiObject<HRGN> part(CreateRectRgnIndirect(&place));
    CombineRgn(area.Get(), area.Get(), part.Get(), RGN_OR);
  }
  // Windows between the ancestor and the controls clip their children, so
  // the area reaches only the controls that fill it.
  RedrawWindow(ancestor, nullptr, area.Get(), RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool Control::HandleReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool Control::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
  HWND child = nullptr;
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(lParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_MENU) child = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      // An owner-drawn list asks for its item height while it is being
      // created, before its wrapper is attached to the handle.
      const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlType == ODT_MENU) return false;
      Control* target = FromHandle(GetDlgItem(hwnd_, static_cast<int>(item->CtlID)));
      if (!target) target = owner_.ControlBeingCreated();
      return target && target->HandleReflected(message, wParam, lParam, result);
    }
    default:
      return false;
  }
  Control* target = child != hwnd_ ? FromHandle(child) : nullptr;
  return target && target->HandleReflected(message, wParam, lParam, result);
}

void Control::DispatchMouse(const MouseHandler& handler, MouseButton button, LPARAM lParam) {
  if (handler) handler(*this, {button, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      DispatchMouse(OnMouseDown, MouseButton::Left, lParam);
      break;
    case WM_RBUTTONDOWN:
      DispatchMouse(OnMouseDown, MouseButton::Right, lParam);
      break;
    case WM_MBUTTONDOWN:
      DispatchMouse(OnMouseDown, MouseButton::Middle, lParam);
      break;
    case WM_LBUTTONUP:
      DispatchMouse(OnMouseUp, MouseButton::Left, lParam);
      break;
    case WM_RBUTTONUP:
      DispatchMouse(OnMouseUp, MouseButton::Right, lParam);
      break;
    case WM_MBUTTONUP:
      DispatchMouse(OnMouseUp, MouseButton::Middle, lParam);
      break;
    case WM_MOUSEMOVE:
      DispatchMouse(OnMouseMove, MouseButton::Left, lParam);
      break;
    case WM_SETCURSOR:
      if (HCURSOR cursor = owner_.ScreenCursor()) {
        SetCursor(cursor);
        return TRUE;
      }
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(*this);
      break;
    case WM_CAPTURECHANGED:
      if (OnCaptureLost) OnCaptureLost(*this);
      break;
    case WM_SIZE:
      if (OnResized) OnResized(*this);
      break;
    case WM_MOUSEWHEEL:
      // The window decides what a turn of the wheel does, wherever the
      // keyboard focus is; no control scrolls by itself.
      if (owner_.OnMouseWheel) {
        owner_.OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam) > 0);
        return 0;
      }
      break;
    case WM_CONTEXTMENU:
      if (Popup) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (lParam == -1) {  // the context-menu key: open below the control's corner
          at = {0, 0};
          ClientToScreen(hwnd_, &at);
        }
        Popup->Show(*this, at);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefaultProc(message, wParam, lParam);
}

LRESULT Control::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(originalProc_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* control = FromHandle(window);
  if (message == WM_NCDESTROY) {
    const WNDPROC original = control->originalProc_;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    control->hwnd_ = nullptr;
    return CallWindowProcW(original, window, message, wParam, lParam);
  }
  if (message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK && !control->hint_.empty()) {
    control->owner_.Hints().Relay(window, message, wParam, lParam);
  }
  // No C++ exception may unwind through the window system.
  try {
    return control->WindowProc(message, wParam, lParam);
  } catch (const std::exception& error) {
    Application::Instance().ShowException(error);
  }
  return 0;
}

TColor DesktopSystemColor(int index) { return static_cast<TColor>(GetSysColor(index)); }

COLORREF ToColorRef(TColor color) {
  return color < 0 ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace tw::win
