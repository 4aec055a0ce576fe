// The eyedropper: grabbing the screen under the pointer 25 times a second,
// and the magnifier that shows the area around it.
#include <windows.h>

#include "core/sampling/crosshair.h"
#include "core/sampling/magnifier_geometry.h"
#include "core/sampling/magnifier_picture.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace tw::win {
namespace {

// Marks a tick as running and clears the mark on every way out.
class TickScope {
 public:
  explicit TickScope(bool& running) : running_(running) { running_ = true; }
  ~TickScope() { running_ = false; }
  TickScope(const TickScope&) = delete;
  TickScope& operator=(const TickScope&) = delete;

 private:
  bool& running_;
};

}  // namespace

void TfrmColorPick::btnGrabMouseDown(MouseButton button) {
  // Only the left button captures the mouse, so only it may start a grab.
  if (button != MouseButton::Left) return;
  setnewcolor();
  SetScreenCursor(eyedropCursor_);
  disablechanges();
  screenReader_.RefreshMonitors();
  grabbing_ = true;
  Timer1->SetEnabled(true);
  for (Panel* slot : mempan) slot->SetShowHint(false);
}

void TfrmColorPick::btnGrabMouseUp() {
  if (!grabbing_) return;
  grabbing_ = false;
  SetScreenCursor(nullptr);
  enablechanges();
  Timer1->SetEnabled(false);
  for (Panel* slot : mempan) slot->SetShowHint(true);
}

void TfrmColorPick::Timer1Timer() {
  // A tick lets pending events run; a tick that comes in meanwhile waits.
  if (tickRunning_) return;
  TickScope tick(tickRunning_);
  POINT pointer;
  GetCursorPos(&pointer);
  WindowDC screen(nullptr);
  lastcolor = CurrentColor();
  // A point that cannot be read leaves the previous color.
  if (const std::optional<TColor> sample =
          screenReader_.Sample(screen.Get(), pointer.x, pointer.y, average)) {
    pnlColor->SetColor(*sample);
  }
  Application::Instance().ProcessMessages();
  SynchroniseControls(0);
  if (!grabbing_) return;  // released while the events ran
  lblXPos->SetCaption(std::to_wstring(pointer.x - rootx));
  lblYPos->SetCaption(std::to_wstring(pointer.y - rooty));
  const int zoom = ZoomFactorFromIndex(cbxZoom->ItemIndex());
  const std::optional<ScreenRect> capture =
      CaptureRect(pointer.x, pointer.y, Image1->Width(), Image1->Height(), zoom);
  if (!capture) return;  // an image smaller than the zoom factor
  const BgrImageView captured = Image1->Picture(capture->width, capture->height);
  screenReader_.Capture(screen.Get(), *capture, Image1->PictureBitmap());
  const BgrImageView magnified =
      imgMagnifier->Picture(imgMagnifier->Width(), imgMagnifier->Height());
  StretchPixels(captured, magnified);
  DrawCrosshair(magnified, crosshair, zoom);
  imgMagnifier->Changed();
}

void TfrmColorPick::PickFromMagnifier(int x, int y) {
  // A point outside the picture has no pixel: the color stays.
  const std::optional<TColor> pixel = PickFromPicture(imgMagnifier->Picture(), x, y);
  if (!pixel) return;
  edtColor->Tag = *pixel;
  UpdateColor(6);
}

void TfrmColorPick::imgMagnifierMouseDown(MouseButton button, int x, int y) {
  if (button != MouseButton::Left) return;
  mousedownflag = true;
  SetCapture(imgMagnifier->Handle());
  setnewcolor();
  PickFromMagnifier(x, y);
}

void TfrmColorPick::imgMagnifierMouseMove(int x, int y) {
  if (mousedownflag) PickFromMagnifier(x, y);
}

void TfrmColorPick::imgMagnifierMouseUp() {
  setnewcolor();
  mousedownflag = false;
  if (GetCapture() == imgMagnifier->Handle()) ReleaseCapture();
}

void TfrmColorPick::BindEyedropperHandlers() {
  eyedropCursor_ = LoadCursorW(GetModuleHandleW(nullptr), L"EYEDROP");
  btnGrab->OnMouseDown = [this](Control&, const MouseEvent& event) {
    btnGrabMouseDown(event.button);
  };
  btnGrab->OnMouseUp = [this](Control&, const MouseEvent&) { btnGrabMouseUp(); };
  // Losing the mouse (another window took it) ends the grab too, so the
  // eyedropper can never stay on.
  btnGrab->OnCaptureLost = [this](SpeedButton&) { btnGrabMouseUp(); };
  Timer1->OnTimer = [this](Timer&) { Timer1Timer(); };
  imgMagnifier->OnMouseDown = [this](Control&, const MouseEvent& event) {
    imgMagnifierMouseDown(event.button, event.x, event.y);
  };
  imgMagnifier->OnMouseMove = [this](Control&, const MouseEvent& event) {
    imgMagnifierMouseMove(event.x, event.y);
  };
  imgMagnifier->OnMouseUp = [this](Control&, const MouseEvent&) { imgMagnifierMouseUp(); };
}

}  // namespace tw::win
