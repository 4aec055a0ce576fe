// The gradient strips above the scroll bars and the color wheel, and picking
// hue and saturation from the wheel.
#include <windows.h>

#include <array>
#include <span>

#include "core/color/gradients.h"
#include "win/window/color_editor.h"

namespace tw::win {

void ColorEditor::ShowGradients() {
  const BarPositions rgb{Bar(Channel::kRed).Position(), Bar(Channel::kGreen).Position(),
                         Bar(Channel::kBlue).Position()};
  const BarPositions hsv{Bar(Channel::kHue).Position(), Bar(Channel::kSaturation).Position(),
                         Bar(Channel::kValue).Position()};
  std::array<const Control*, 7> changed{};
  std::size_t count = 0;
  for (int varied = 0; varied < 3; ++varied) {
    Image& rgbStrip = Strip(static_cast<Channel>(varied));
    PaintRgbStrip(rgbStrip.Picture(rgbStrip.Width(), rgbStrip.Height()), varied, rgb);
    rgbStrip.PictureWritten();
    changed[count++] = &rgbStrip;
  }
  for (int varied = 0; varied < 3; ++varied) {
    Image& hsvStrip = Strip(static_cast<Channel>(3 + varied));
    PaintHsvStrip(hsvStrip.Picture(hsvStrip.Width(), hsvStrip.Height()), varied, hsv);
    hsvStrip.PictureWritten();
    changed[count++] = &hsvStrip;
  }
  // Hue and saturation alone leave the wheel as it is.
  if (hsv[2] != wheelValue_) {
    PaintWheel(hsv[2]);
    changed[count++] = wheel_;
  }
  // Every color change repaints them all, so they go in one request.
  InvalidateTogether(wheel_->Owner().Handle(), std::span(changed.data(), count));
}

void ColorEditor::WheelResized() {
  wheelMap_.reset();
  PaintWheel(Bar(Channel::kValue).Position());
  wheel_->Changed();
}

void ColorEditor::PaintWheel(int value) {
  if (!wheelMap_) wheelMap_.emplace(wheel_->Width(), wheel_->Height());
  wheelMap_->Paint(wheel_->Picture(wheel_->Width(), wheel_->Height()), value);
  wheel_->PictureWritten();
  wheelValue_ = value;
  ++wheelPaintCount_;
}

void ColorEditor::BindWheelHandlers() {
  wheel_->OnMouseDown = [this](Control&, const MouseEvent& event) {
    if (event.button != MouseButton::Left) return;
    color_.RecordForUndo();
    pickingFromWheel_ = true;
    // Held, the button keeps reporting moves from outside the wheel too.
    SetCapture(wheel_->Handle());
    TakeWheelPoint(event.x, event.y);
  };
  wheel_->OnMouseMove = [this](Control&, const MouseEvent& event) {
    if (pickingFromWheel_) TakeWheelPoint(event.x, event.y);
  };
  wheel_->OnMouseUp = [this](Control&, const MouseEvent&) {
    pickingFromWheel_ = false;
    if (GetCapture() == wheel_->Handle()) ReleaseCapture();
  };
  // Without the capture (Alt+Tab mid-drag) no release comes: plain moves
  // over the wheel must not keep picking.
  wheel_->OnCaptureLost = [this](Control&) { pickingFromWheel_ = false; };
}

void ColorEditor::TakeWheelPoint(int x, int y) {
  const HueSaturation chosen = HueSaturationAtPoint(x, y, wheel_->Height());
  // Each bar that moves takes the color from the HSV bars on its own; the
  // last take brings everything in step even when neither bar moved.
  Bar(Channel::kHue).SetPosition(chosen.hue);
  Bar(Channel::kSaturation).SetPosition(chosen.saturation);
  OnChannelChanged(ColorSource::kHsvBars);
}

}  // namespace tw::win
