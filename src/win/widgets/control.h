#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string>

#include "core/color/tcolor.h"

namespace tw::win {

class Form;
class PopupMenu;

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
  MouseButton button;
  int x;  // in the control's client coordinates
  int y;
};

// A rectangle relative to the parent's client area, in pixels.
struct Rect {
  int left;
  int top;
  int width;
  int height;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// One window of the main window's component tree. Every control is a real
// window, subclassed so that its wrapper sees its messages, and found from its
// handle through GWLP_USERDATA.
class Control {
 public:
  using MouseHandler = std::function<void(Control& sender, const MouseEvent& event)>;

  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::wstring& Name() const { return name_; }
  HWND Handle() const { return hwnd_; }
  Control* Parent() const { return parent_; }
  Form& Owner() const { return owner_; }

  Rect Bounds() const { return bounds_; }
  void SetBounds(const Rect& bounds);  // a child control's place in its parent
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Hint texts are handed to the tooltip on demand, so changing one is free.
  const std::wstring& Hint() const { return hint_; }
  void SetHint(std::wstring hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }

  // The menu that a right click or the context-menu key opens over this control.
  PopupMenu* Popup = nullptr;
  int Tag = 0;

  MouseHandler OnMouseDown;
  MouseHandler OnMouseUp;
  MouseHandler OnMouseMove;
  std::function<void(Control& sender)> OnDblClick;
  // The control's size changed (a layout moved it).
  std::function<void(Control& sender)> OnResized;
  // The mouse capture went elsewhere: released, or taken by another window
  // (Alt+Tab, a dialog) while a button was still held.
  std::function<void(Control& sender)> OnCaptureLost;

  // One notch of the mouse wheel over the control: up or down by one where
  // the control holds a number or a choice; nothing elsewhere.
  virtual void StepByWheel(bool /*up*/) {}

  // The color that labels and other see-through children paint behind them.
  virtual TColor BackgroundColor() const;
  // The window's font reaches every control that has no font of its own.
  void SetFont(HFONT font);
  bool HasOwnFont() const { return hasOwnFont_; }

  static Control* FromHandle(HWND window);

  // The parent passes on the notifications that concern this control
  // (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_HSCROLL, WM_CTLCOLOR*).
  virtual bool HandleReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  struct CreateArgs {
    const wchar_t* className;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::wstring text;
    Rect designBounds{};  // at 96 dpi; scaled to the screen on creation
  };

  // The top-level window passes itself as its own owner and no parent.
  Control(Form& owner, Control* parent, std::wstring name);

  void Create(const CreateArgs& args);
  void AdoptHandle(HWND window);

  // Derived controls handle their own messages here and call Control::WindowProc
  // for everything else.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Passes a notification from a child window on to that child's wrapper.
  bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const;

  void InvalidateAll() const;
  void RefreshBoundsFromWindow();
  // Records a visibility that the window got by other means than SetVisible.
  void NoteVisibility(bool visible) { visible_ = visible; }
  void UseOwnFont(HFONT font) {
    hasOwnFont_ = true;
    SetFont(font);
  }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void DispatchMouse(const MouseHandler& handler, MouseButton button, LPARAM lParam);

  Form& owner_;
  Control* parent_;
  std::wstring name_;
  HWND hwnd_ = nullptr;
  WNDPROC originalProc_ = DefWindowProcW;
  Rect bounds_{};
  bool visible_ = true;
  bool enabled_ = true;
  bool showHint_ = true;
  bool hasOwnFont_ = false;
  std::wstring hint_;
};

// System colors as TColor values: -16777216 plus the color index.
inline constexpr TColor kWindowTextColor = static_cast<TColor>(0xFF000008);
inline constexpr TColor kButtonFaceColor = static_cast<TColor>(0xFF00000F);
inline constexpr TColor kScrollBarColor = static_cast<TColor>(0xFF000000);
inline constexpr TColor k3DLightColor = static_cast<TColor>(0xFF000016);

// Win32 color of a TColor; system colors are looked up on the desktop.
COLORREF ToColorRef(TColor color);
// The desktop's current RGB value of system color number `index`.
TColor DesktopSystemColor(int index);

// Marks the given controls, all inside `ancestor`, for repainting with one
// request to the window system instead of one each: under Wine each request
// is a round trip to the server, the costly part of a repaint.
void InvalidateTogether(HWND ancestor, std::span<const Control* const> controls);

}  // namespace tw::win
