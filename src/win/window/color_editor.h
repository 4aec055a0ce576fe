#pragma once

#include <array>
#include <optional>
#include <random>

#include "core/color/color_wheel.h"

#include "win/widgets/button.h"
#include "win/widgets/edit.h"
#include "win/widgets/form.h"
#include "win/widgets/image.h"
#include "win/widgets/label.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"
#include "win/widgets/scroll_bar.h"
#include "win/window/color_frame.h"
#include "win/window/current_color.h"

namespace tw::win {

enum class Channel { kRed, kGreen, kBlue, kHue, kSaturation, kValue };

// The color's numbers: a box, a scroll bar and a gradient strip for each of
// red, green, blue, hue, saturation and value, the brightness bar, the
// Invert, Random and color-dialog buttons, undo and redo, and the wheel.
class ColorEditor {
 public:
  ColorEditor(Form& form, CurrentColor& color, ColorFrame& frame);
  ColorEditor(const ColorEditor&) = delete;
  ColorEditor& operator=(const ColorEditor&) = delete;

  // "Undo Colorchange" and "Redo Colorchange".
  void AddUndoMenuItems(MenuItem& mainMenu);

  // Writes the color into every box and bar except those of `source`.
  void ShowColor(TColor color, ColorSource source);
  // Repaints the six strips from the bars' positions, and the wheel when the
  // value differs from the one it shows.
  void ShowGradients();
  // The wheel image took a new size: it is built anew for it.
  void WheelResized();

  // While detached, rewriting a box or bar is no new change of the color.
  void DetachChangeHandlers();
  void AttachChangeHandlers();
  class HandlersDetached {
   public:
    explicit HandlersDetached(ColorEditor& editor) : editor_(editor) {
      editor_.DetachChangeHandlers();
    }
    ~HandlersDetached() { editor_.AttachChangeHandlers(); }
    HandlersDetached(const HandlersDetached&) = delete;
    HandlersDetached& operator=(const HandlersDetached&) = delete;

   private:
    ColorEditor& editor_;
  };

  // Red, green and blue as their boxes hold them (they may exceed 255 while
  // being typed).
  std::array<int, 3> RgbBoxNumbers() const;

  Edit& Box(Channel channel) const { return *Row(channel).box; }
  ScrollBar& Bar(Channel channel) const { return *Row(channel).bar; }
  Image& Strip(Channel channel) const { return *Row(channel).strip; }
  ScrollBar& BrightnessBar() const { return *brightnessBar_; }
  Image& BrightnessStrip() const { return *brightnessStrip_; }
  Button& InvertButton() const { return *invertButton_; }
  Button& RandomButton() const { return *randomButton_; }
  Button& ColorDialogButton() const { return *dialogButton_; }
  Button& UndoButton() const { return *undoButton_; }
  Button& RedoButton() const { return *redoButton_; }
  Image& Wheel() const { return *wheel_; }
  Panel& RgbPanel() const { return *rgbPanel_; }
  Panel& HsvPanel() const { return *hsvPanel_; }
  Panel& ButtonsPanel() const { return *buttonsPanel_; }
  Panel& WheelPanel() const { return *wheelPanel_; }
  // How often the wheel was painted: it is costly, so it is painted only for
  // a new value.
  int WheelPaintCount() const { return wheelPaintCount_; }

 private:
  struct ChannelRow {
    Label* label;
    Edit* box;
    ScrollBar* bar;
    Image* strip;
  };
  const ChannelRow& Row(Channel channel) const { return rows_[static_cast<size_t>(channel)]; }

  void CreateRows(Form& form);
  void CreateButtons(Form& form);
  void PaintStartupRamps();
  void BindHandlers();
  void BindWheelHandlers();
  void PaintWheel(int value);
  // Hue and saturation from a point of the wheel image.
  void TakeWheelPoint(int x, int y);

  // The color the controls of `source` name now; nothing when they hold
  // none (a hue beyond 360).
  std::optional<TColor> ColorFromControls(ColorSource source) const;
  void OnChannelChanged(ColorSource source);
  void OnBrightnessChanged();
  void OnBoxLeft(Edit& box);
  void Invert();
  void PickRandom();
  void ChooseWithDialog();

  Form& form_;
  CurrentColor& color_;
  ColorFrame& frame_;
  Panel* rgbPanel_ = nullptr;
  Panel* hsvPanel_ = nullptr;
  Panel* buttonsPanel_ = nullptr;
  Panel* wheelPanel_ = nullptr;
  std::array<ChannelRow, 6> rows_{};
  ScrollBar* brightnessBar_ = nullptr;
  Image* brightnessStrip_ = nullptr;
  Button* invertButton_ = nullptr;
  Button* randomButton_ = nullptr;
  Button* dialogButton_ = nullptr;
  Button* undoButton_ = nullptr;
  Button* redoButton_ = nullptr;
  Image* wheel_ = nullptr;
  std::optional<ColorWheel> wheelMap_;
  int wheelValue_ = -1;  // the value the wheel shows; none yet
  int wheelPaintCount_ = 0;
  bool pickingFromWheel_ = false;
  std::mt19937 random_;
};

}  // namespace tw::win
