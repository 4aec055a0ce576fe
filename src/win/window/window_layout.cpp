#include "win/window/window_layout.h"

#include <windows.h>

#include "core/color/rounding.h"
#include "win/window/design/controls.h"
#include "win/window/design/menus.h"

namespace tw::win {
namespace {

// The outer width the layouts were designed for: the 486-pixel client area
// and a 3-pixel frame on each side.
constexpr float kDesignOuterWidth = 492.0f;
// SC_MOVE with HTCAPTION: the window system's own move loop, as if the
// title bar had been pressed.
constexpr WPARAM kMoveByCaption = 0xF012;

void Place(Control& control, int left, int top, int width, int height) {
  control.SetBounds({left, top, width, height});
}

}  // namespace

WindowLayout::WindowLayout(Form& form, ColorEditor& editor, ColorCodeBox& codeBox, Palette& palette,
                           MagnifierPanel& magnifier)
    : form_(form), editor_(editor), codeBox_(codeBox), palette_(palette), magnifier_(magnifier) {}

void WindowLayout::BindDragSurfaces() {
  // The move loop belongs to the left button: started by another, it waits
  // for a left release that never comes. A right press goes on to the main
  // menu, as on any control without a menu of its own.
  const auto press = [this](Control&, const MouseEvent& event) {
    if (event.button == MouseButton::Left) StartDrag();
  };
  // A quick second press on a panel arrives as a double click.
  const auto secondPress = [this](Control&) { StartDrag(); };
  for (Control* surface : DragSurfaces()) {
    surface->OnMouseDown = press;
    surface->OnDblClick = secondPress;
  }
}

std::vector<Control*> WindowLayout::DragSurfaces() const {
  std::vector<Control*> surfaces{&form_};
  for (const wchar_t* name : design::kDragSurfaces) surfaces.push_back(form_.FindControl(name));
  return surfaces;
}

void WindowLayout::AddMenuItems(MenuItem& mainMenu) {
  alwaysOnTopItem_ = &mainMenu.Add(design::kAlwaysOnTopItem);
  alwaysOnTopItem_->OnClick = [this](MenuItem& item) {
    item.Checked = !item.Checked;
    ApplyStayOnTop();
  };
  titleItem_ = &mainMenu.Add(design::kShowTitleBarItem);
  titleItem_->Checked = true;
  titleItem_->OnClick = [this](MenuItem&) { SetTitleShown(!titleShown_); };
  MenuItem& layouts = mainMenu.Add(design::kLayoutMenu);
  for (size_t i = 0; i < layoutItems_.size(); ++i) {
    layoutItems_[i] = &layouts.Add(design::kLayoutItems[i]);
    layoutItems_[i]->OnClick = [this](MenuItem& item) { Apply(item.Tag); };
  }
  mainMenu.AddSeparator(design::kAfterLayoutSeparator);
}

void WindowLayout::RecordDesign() {
  design_.window = form_.OuterSize();
  design_.rgbPanel = editor_.RgbPanel().Bounds();
  design_.hsvPanel = editor_.HsvPanel().Bounds();
  design_.palettePanel = palette_.Area().Bounds();
  design_.wheelPanel = editor_.WheelPanel().Bounds();
  design_.magnifierPanel = magnifier_.Area().Bounds();
  design_.magnifierArea = magnifier_.PictureArea().Bounds();
  // Grows with the screen's resolution, as the window was scaled before.
  design_.scale = static_cast<float>(design_.window.cx) / kDesignOuterWidth;
}

int WindowLayout::Scaled(int design) const {
  return static_cast<int>(Round(static_cast<double>(design_.scale) * design));
}

void WindowLayout::Apply(int layout) {
  switch (layout) {
    case kSmallLayout:
      ApplySmall();
      break;
    case kMediumLayout:
      ApplyMedium();
      break;
    case kLargeLayout:
      ApplyLarge();
      break;
    default:
      break;  // kept, and written back at exit, but nothing moves
  }
  if (layout >= kSmallLayout && layout <= kLargeLayout) {
    for (MenuItem* item : layoutItems_) item->Checked = item->Tag == layout;
    editor_.WheelResized();
  }
  layout_ = layout;
}

void WindowLayout::ApplySmall() {
  SetOuterSize(Scaled(251), Scaled(223));
  CompactRows();
  editor_.ButtonsPanel().SetVisible(false);
  CompactMagnifier();
  editor_.WheelPanel().SetVisible(false);
  palette_.Area().SetVisible(false);
  Image& wheel = editor_.Wheel();
  Place(wheel, wheel.Left(), wheel.Top(), design_.rgbPanel.top, 2);
}

void WindowLayout::ApplyMedium() {
  const int width = design_.palettePanel.width + 12;
  SetOuterSize(width, design_.window.cy);
  CompactRows();
  Panel& buttons = editor_.ButtonsPanel();
  const Panel& hsv = editor_.HsvPanel();
  buttons.SetVisible(true);
  Place(buttons, width - buttons.Width() - 8, hsv.Top() + hsv.Height() - buttons.Height(),
        buttons.Width(), buttons.Height());
  CompactMagnifier();
  Panel& wheelPanel = editor_.WheelPanel();
  wheelPanel.SetVisible(true);
  Place(wheelPanel, buttons.Left(), design_.rgbPanel.top, buttons.Width(),
        magnifier_.Area().Height() + editor_.RgbPanel().Height() - buttons.Height() - 1);
  palette_.Area().SetVisible(true);
  Image& wheel = editor_.Wheel();
  const int side = wheelPanel.Width() - 2;
  Place(wheel, wheel.Left(), wheel.Top(), side, side);
}

void WindowLayout::ApplyLarge() {
  const LayoutGeometry& d = design_;
  SetOuterSize(d.window.cx, d.window.cy);
  ShowFullRows(true);
  Panel& rgb = editor_.RgbPanel();
  Place(rgb, rgb.Left(), d.rgbPanel.top, d.rgbPanel.width, d.rgbPanel.height);
  Panel& hsv = editor_.HsvPanel();
  Place(hsv, rgb.Left(), codeBox_.Area().Top(), d.rgbPanel.width, hsv.Height());
  Panel& buttons = editor_.ButtonsPanel();
  buttons.SetVisible(true);
  Place(buttons, d.magnifierPanel.left, d.rgbPanel.top, buttons.Width(), d.rgbPanel.height);
  Place(magnifier_.Area(), d.magnifierPanel.left, codeBox_.Area().Top(), d.magnifierPanel.width,
        d.magnifierPanel.height);
  Place(magnifier_.PictureArea(), 2, Scaled(32), d.magnifierArea.width, d.magnifierArea.height);
  Panel& wheelPanel = editor_.WheelPanel();
  wheelPanel.SetVisible(true);
  Place(wheelPanel, d.wheelPanel.left, d.rgbPanel.top, d.wheelPanel.width, d.wheelPanel.height);
  palette_.Area().SetVisible(true);
  Image& wheel = editor_.Wheel();
  Place(wheel, wheel.Left(), wheel.Top(), wheelPanel.Width() - 2, wheelPanel.Height() - 2);
}

void WindowLayout::ShowFullRows(bool shown) {
  for (Label* label : magnifier_.CoordinateLabels()) label->SetVisible(shown);
  for (Channel channel : {Channel::kRed, Channel::kGreen, Channel::kBlue, Channel::kHue,
                          Channel::kSaturation, Channel::kValue}) {
    editor_.Bar(channel).SetVisible(shown);
  }
}

void WindowLayout::CompactRows() {
  ShowFullRows(false);
  const int top = codeBox_.Area().Top();
  Panel& rgb = editor_.RgbPanel();
  Place(rgb, rgb.Left(), top, Scaled(69), design_.hsvPanel.height);
  Panel& hsv = editor_.HsvPanel();
  Place(hsv, rgb.Left() + rgb.Width() + 4, top, Scaled(69), hsv.Height());
}

void WindowLayout::CompactMagnifier() {
  const Panel& rgb = editor_.RgbPanel();
  const Panel& hsv = editor_.HsvPanel();
  Panel& magnifier = magnifier_.Area();
  Place(magnifier, rgb.Left(), design_.rgbPanel.top, rgb.Width() + hsv.Width() + 4,
        design_.rgbPanel.height);
  const int top = Scaled(32);
  Place(magnifier_.PictureArea(), 1, top + 1, magnifier.Width() - 2,
        design_.rgbPanel.height - top - 2);
}

void WindowLayout::SetOuterSize(int width, int height) {
  if (!titleShown_) height -= GetSystemMetrics(SM_CYCAPTION);
  form_.SetOuterSize({width, height});
}

void WindowLayout::SetTitleShown(bool shown) {
  const HWND window = form_.Handle();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const bool hasCaption = (style & WS_CAPTION) == WS_CAPTION;
  if (shown != hasCaption) {
    // A thin border stays when the caption goes.
    SetWindowLongW(window, GWL_STYLE,
                   shown ? style | WS_CAPTION : (style & ~WS_CAPTION) | WS_BORDER);
    SIZE outer = form_.OuterSize();
    outer.cy += (shown ? 1 : -1) * GetSystemMetrics(SM_CYCAPTION);
    form_.SetOuterSize(outer);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  titleShown_ = shown;
  titleItem_->Checked = shown;
}

void WindowLayout::ApplyStayOnTop() {
  // Into or out of the topmost band, keeping place and size.
  SetWindowPos(form_.Handle(), alwaysOnTopItem_->Checked ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0,
               0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowLayout::StartDrag() {
  form_.SetScreenCursor(LoadCursorW(nullptr, IDC_SIZEALL));
  ReleaseCapture();
  SendMessageW(form_.Handle(), WM_SYSCOMMAND, kMoveByCaption, 0);
  form_.SetScreenCursor(nullptr);
}

}  // namespace tw::win
