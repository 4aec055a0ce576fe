#include "win/window/magnifier_panel.h"

#include "core/sampling/crosshair.h"
#include "core/sampling/magnifier_geometry.h"
#include "core/sampling/magnifier_picture.h"
#include "resource_ids.h"
#include "win/widgets/application.h"
#include "win/window/design/controls.h"

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

HIMAGELIST LoadGrabGlyphs() {
  return ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_GRAB_GLYPHS),
                              GRAB_GLYPH_SIZE, 0, GRAB_GLYPH_KEY, IMAGE_BITMAP,
                              LR_CREATEDIBSECTION);
}

}  // namespace

MagnifierPanel::MagnifierPanel(Form& form, CurrentColor& color, ColorEditor& editor,
                               Palette& palette)
    : form_(form),
      color_(color),
      editor_(editor),
      palette_(palette),
      grabGlyphs_(LoadGrabGlyphs()),
      eyedropCursor_(LoadCursorW(GetModuleHandleW(nullptr), L"EYEDROP")) {
  CreateControls(form);
  BindHandlers();
}

void MagnifierPanel::CreateControls(Form& form) {
  panel_ = &form.Add(form, design::kMagnifierPanel);
  grabButton_ = &form.Add(*panel_, design::kGrabButton);
  grabButton_->SetGlyph(grabGlyphs_.Get(), 0);
  zoomList_ = &form.Add(*panel_, design::kZoomList);
  xCaption_ = &form.Add(*panel_, design::kXCaption);
  yCaption_ = &form.Add(*panel_, design::kYCaption);
  xCoordinate_ = &form.Add(*panel_, design::kXCoordinate);
  yCoordinate_ = &form.Add(*panel_, design::kYCoordinate);
  pictureArea_ = &form.Add(*panel_, design::kMagnifierArea);
  // The magnified picture lies over the captured one.
  capture_ = &form.Add(*pictureArea_, design::kCaptureImage);
  magnified_ = &form.Add(*pictureArea_, design::kMagnifiedImage);
  FitPicturesToArea();
  sampleTimer_ = &form.AddTimer(design::kSampleTimerName, design::kSampleInterval);
}

void MagnifierPanel::FitPicturesToArea() {
  // The capture geometry works from the pictures' size, so the pointer's
  // block lies at the centre of what the area shows in every layout.
  const Rect content = pictureArea_->ContentBounds();
  capture_->SetBounds(content);
  magnified_->SetBounds(content);
}

void MagnifierPanel::BindHandlers() {
  pictureArea_->OnResized = [this](Control&) { FitPicturesToArea(); };
  grabButton_->OnMouseDown = [this](Control&, const MouseEvent& event) { StartGrab(event.button); };
  grabButton_->OnMouseUp = [this](Control&, const MouseEvent&) { EndGrab(); };
  // Losing the mouse (another window took it) ends the grab too, so the
  // eyedropper can never stay on.
  grabButton_->OnCaptureLost = [this](Control&) { EndGrab(); };
  sampleTimer_->OnTimer = [this](Timer&) { Tick(); };
  magnified_->OnMouseDown = [this](Control&, const MouseEvent& event) {
    OnPicturePressed(event.button, event.x, event.y);
  };
  magnified_->OnMouseMove = [this](Control&, const MouseEvent& event) {
    if (picking_) PickFromPicture(event.x, event.y);
  };
  magnified_->OnMouseUp = [this](Control&, const MouseEvent&) { OnPictureReleased(); };
  // Without the capture no release comes: plain moves must not pick.
  magnified_->OnCaptureLost = [this](Control&) { picking_ = false; };
}

void MagnifierPanel::StartGrab(MouseButton button) {
  // Only the left button captures the mouse, so only it may start a grab.
  if (button != MouseButton::Left) return;
  color_.RecordForUndo();
  form_.SetScreenCursor(eyedropCursor_);
  editor_.DetachChangeHandlers();
  screenReader_.RefreshMonitors();
  grabbing_ = true;
  sampleTimer_->SetEnabled(true);
  palette_.SetHintsShown(false);
}

void MagnifierPanel::EndGrab() {
  if (!grabbing_) return;
  grabbing_ = false;
  form_.SetScreenCursor(nullptr);
  editor_.AttachChangeHandlers();
  sampleTimer_->SetEnabled(false);
  palette_.SetHintsShown(true);
}

void MagnifierPanel::Tick() {
  // A tick lets pending events run; a tick that comes in meanwhile waits.
  if (tickRunning_) return;
  TickScope tick(tickRunning_);
  POINT pointer;
  GetCursorPos(&pointer);
  WindowDC screen(nullptr);
  // A point that cannot be read leaves the previous color.
  color_.Offer(screenReader_.Sample(screen.Get(), pointer.x, pointer.y, averaging_));
  // The waiting window events run before the other controls follow, so the
  // frame shows the sample first, and a release of the grab button is seen.
  Application::Instance().ProcessMessages();
  color_.Follow(ColorSource::kOther);
  if (!grabbing_) return;  // released while the events ran
  xCoordinate_->SetCaption(std::to_wstring(pointer.x - origin_.x));
  yCoordinate_->SetCaption(std::to_wstring(pointer.y - origin_.y));
  ShowMagnified(pointer, screen.Get());
}

void MagnifierPanel::ShowMagnified(POINT pointer, HDC screen) {
  const int zoom = ZoomFactorFromIndex(zoomList_->ItemIndex());
  const std::optional<ScreenRect> capture =
      CaptureRect(pointer.x, pointer.y, capture_->Width(), capture_->Height(), zoom);
  if (!capture) return;  // an image smaller than the zoom factor
  const BgrImageView captured = capture_->Picture(capture->width, capture->height);
  screenReader_.Capture(screen, *capture, capture_->PictureBitmap());
  const BgrImageView magnified = magnified_->Picture(magnified_->Width(), magnified_->Height());
  StretchPixels(captured, magnified);
  DrawCrosshair(magnified, crosshair_, zoom);
  magnified_->Changed();
}

void MagnifierPanel::PickFromPicture(int x, int y) {
  // A point outside the picture has no pixel: the color stays.
  const std::optional<TColor> pixel = tw::PickFromPicture(magnified_->Picture(), x, y);
  if (pixel) color_.Take(*pixel, ColorSource::kOther);
}

void MagnifierPanel::OnPicturePressed(MouseButton button, int x, int y) {
  if (button != MouseButton::Left) return;
  picking_ = true;
  SetCapture(magnified_->Handle());
  color_.RecordForUndo();
  PickFromPicture(x, y);
}

void MagnifierPanel::OnPictureReleased() {
  color_.RecordForUndo();
  picking_ = false;
  if (GetCapture() == magnified_->Handle()) ReleaseCapture();
}

}  // namespace tw::win
