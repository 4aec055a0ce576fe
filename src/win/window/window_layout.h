#pragma once

#include <array>
#include <vector>

#include "core/settings/options.h"
#include "win/widgets/form.h"
#include "win/widgets/menu.h"
#include "win/window/color_code_box.h"
#include "win/window/color_editor.h"
#include "win/window/magnifier_panel.h"
#include "win/window/palette.h"

namespace tw::win {

// The designed places that the layouts scale from, read once the window is
// built: the window's outer size and the panels that move or change size
// between layouts.
struct LayoutGeometry {
  SIZE window;
  Rect rgbPanel;
  Rect hsvPanel;
  Rect palettePanel;
  Rect wheelPanel;
  Rect magnifierPanel;
  Rect magnifierArea;
  float scale;  // the window's outer width against the width it was designed for
};

// The window's arrangement: the small, medium and large layouts, the title
// bar that can be hidden, dragging the window by its surfaces, and staying
// on top of other windows.
class WindowLayout {
 public:
  WindowLayout(Form& form, ColorEditor& editor, ColorCodeBox& codeBox, Palette& palette,
               MagnifierPanel& magnifier);
  WindowLayout(const WindowLayout&) = delete;
  WindowLayout& operator=(const WindowLayout&) = delete;

  // "Always on Top", "Show/Hide Titlebar" and "Change Layout", then a separator.
  void AddMenuItems(MenuItem& mainMenu);
  // A left press on the window or on one of its bare surfaces moves the
  // window, which matters while its title bar is hidden. Once every control
  // exists.
  void BindDragSurfaces();
  // The window and its bare surfaces, which a left press drags.
  std::vector<Control*> DragSurfaces() const;
  // Reads the designed places; before any layout or title-bar change.
  void RecordDesign();

  // Arranges the window as layout 0, 1 or 2; any other number is kept as the
  // layout without moving anything.
  void Apply(int layout);
  int Current() const { return layout_; }

  void SetTitleShown(bool shown);
  bool TitleShown() const { return titleShown_; }

  // Puts the window into the topmost band or takes it out, as the menu says.
  void ApplyStayOnTop();
  bool StaysOnTop() const { return alwaysOnTopItem_->Checked; }
  // The stored choice, applied by the next ApplyStayOnTop.
  void RestoreStayOnTop(bool onTop) { alwaysOnTopItem_->Checked = onTop; }

  const LayoutGeometry& Design() const { return design_; }

 private:
  void ApplySmall();
  void ApplyMedium();
  void ApplyLarge();
  // The rows without their scroll bars and the magnifier beside them, as the
  // small and medium layouts have them.
  void CompactRows();
  void CompactMagnifier();
  void ShowFullRows(bool shown);
  // The outer size for a window with its title bar; one caption less while
  // the title bar is hidden, so the client area is the layout's either way.
  void SetOuterSize(int width, int height);
  int Scaled(int design) const;
  void StartDrag();

  Form& form_;
  ColorEditor& editor_;
  ColorCodeBox& codeBox_;
  Palette& palette_;
  MagnifierPanel& magnifier_;
  LayoutGeometry design_{};
  std::array<MenuItem*, 3> layoutItems_{};
  MenuItem* alwaysOnTopItem_ = nullptr;
  MenuItem* titleItem_ = nullptr;
  int layout_ = kLargeLayout;
  bool titleShown_ = true;
};

}  // namespace tw::win
