#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "win/platform/handles.h"
#include "win/widgets/control.h"
#include "win/widgets/hints.h"

namespace tw::win {

class MenuItem;
class PopupMenu;
class Timer;

// A control as it was designed: the name it carries (settings keys and
// outside programs know it by that name), its design and its hint.
template <typename T>
struct ControlDesign {
  const wchar_t* name;
  typename T::Design design;
  const wchar_t* hint = nullptr;
};

// A top-level window that owns its component tree, menus and timers, and that
// reflects child notifications back to the child wrappers.
class Form : public Control {
 public:
  struct Design {
    const wchar_t* className;
    std::wstring caption;
    int clientWidth;  // at 96 dpi
    int clientHeight;
    TColor color;
    DWORD style;
    HWND ownerWindow;
    const wchar_t* fontName;
    int fontHeight;  // at 96 dpi, negative for a character height
  };

  // Creates the window, hidden; controls are added afterwards.
  Form(std::wstring name, const Design& design);
  ~Form() override;

  template <typename T>
  T& Add(Control& parent, const ControlDesign<T>& designed) {
    auto control = std::make_unique<T>(*this, parent, designed.name, designed.design);
    T& result = *control;
    controls_.push_back(std::move(control));
    if (designed.hint) result.SetHint(designed.hint);
    return result;
  }
  PopupMenu& AddPopupMenu(std::wstring name);
  Timer& AddTimer(std::wstring name, UINT interval);

  // Controls in the order of their creation.
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  Control* FindControl(std::wstring_view name) const;
  MenuItem* FindMenuItem(std::wstring_view name) const;
  MenuItem* FindMenuItemById(UINT id) const;
  // Runs the click handler of the enabled menu item bound to this key, if any.
  bool HandleShortcut(UINT virtualKey);

  HFONT Font() const { return font_.Get(); }
  void SetFormFont(LOGFONTW font);
  TColor Color() const { return color_; }
  TColor BackgroundColor() const override { return color_; }
  void SetShortcutMenu(PopupMenu* menu) { shortcutMenu_ = menu; }

  int PixelsPerInch() const { return pixelsPerInch_; }
  Rect Scale(const Rect& design) const;
  int Scale(int design) const { return MulDiv(design, pixelsPerInch_, 96); }

  // Outer size of the window, title bar and frame included.
  SIZE OuterSize() const;
  void SetOuterSize(SIZE size);
  void CenterOnScreen();
  void SetCaption(const std::wstring& caption);

  // A cursor shown over the whole screen (while grabbing), or null for the
  // usual ones.
  void SetScreenCursor(HCURSOR cursor);
  HCURSOR ScreenCursor() const { return screenCursor_; }

  // A turn of the mouse wheel over the window or any of its controls, up
  // (away from the user) or down.
  std::function<void(bool up)> OnMouseWheel;

  HintWindow& Hints() { return hints_; }
  UINT NextMenuId() { return nextMenuId_++; }
  int NextControlId() { return nextControlId_++; }

  // The control whose window is being created right now, if any.
  Control* ControlBeingCreated() const { return creating_; }
  class CreationScope {
   public:
    CreationScope(Form& form, Control& control) : form_(form), previous_(form.creating_) {
      form.creating_ = &control;
    }
    ~CreationScope() { form_.creating_ = previous_; }
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;

   private:
    Form& form_;
    Control* previous_;
  };

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The window's own close button, the system menu and WM_CLOSE come here.
  virtual void CloseRequested() { DestroyWindow(Handle()); }
  virtual bool QueryEndSession() { return true; }
  virtual void EndSession(bool /*ending*/) {}
  virtual void Destroyed() {}

 private:
  void CreateWindowFromDesign(const Design& design);
  void Paint();

  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<PopupMenu>> menus_;
  std::vector<std::unique_ptr<Timer>> timers_;
  PopupMenu* shortcutMenu_ = nullptr;
  GdiObject<HFONT> font_;
  TColor color_ = 0;
  int pixelsPerInch_ = 96;
  int nextControlId_ = 100;
  UINT nextMenuId_ = 1000;
  Control* creating_ = nullptr;
  HCURSOR screenCursor_ = nullptr;
  HintWindow hints_;
};

}  // namespace tw::win
