#pragma once

#include <windows.h>

#include "core/settings/options.h"
#include "win/platform/handles.h"
#include "win/platform/screen_reader.h"
#include "win/widgets/combo_box.h"
#include "win/widgets/form.h"
#include "win/widgets/image.h"
#include "win/widgets/label.h"
#include "win/widgets/menu.h"
#include "win/widgets/panel.h"
#include "win/widgets/speed_button.h"
#include "win/widgets/timer.h"
#include "win/window/color_editor.h"
#include "win/window/current_color.h"
#include "win/window/palette.h"

namespace tw::win {

// The eyedropper and the magnifier: while the grab button is held the color
// under the pointer becomes the current color 25 times a second, and the
// magnifier shows the area around it with a crosshair and its coordinates.
// A press in the magnified picture takes a color from it.
class MagnifierPanel {
 public:
  MagnifierPanel(Form& form, CurrentColor& color, ColorEditor& editor, Palette& palette);
  MagnifierPanel(const MagnifierPanel&) = delete;
  MagnifierPanel& operator=(const MagnifierPanel&) = delete;

  // "Zoom" with the factors, the crosshair styles, the coordinate origin and
  // clearing the picture.
  void AddZoomMenu(MenuItem& mainMenu);
  // "Color Averaging": off, 3 × 3, 5 × 5.
  void AddAveragingMenu(MenuItem& mainMenu);
  // A crosshair style and an averaging as the menus choose them, with their
  // check marks.
  void ChooseCrosshair(int style);
  void ChooseAveraging(int halfWidth);

  // The grab: pressed on the grab button, one sample a tick, released.
  void StartGrab(MouseButton button);
  void EndGrab();
  void Tick();
  bool Grabbing() const { return grabbing_; }

  // The point that the coordinates are counted from.
  POINT CoordinateOrigin() const { return origin_; }
  // 0 none, 1 cross, 2 rectangle (the crosshair menu items' tags).
  int CrosshairStyle() const { return crosshair_; }
  // The half width of the averaged block: 0 one pixel, 1 3 × 3, 2 5 × 5.
  int Averaging() const { return averaging_; }
  bool PickingFromPicture() const { return picking_; }

  Panel& Area() const { return *panel_; }
  SpeedButton& GrabButton() const { return *grabButton_; }
  ComboBox& ZoomList() const { return *zoomList_; }
  Panel& PictureArea() const { return *pictureArea_; }
  // The coordinates and their captions, which the smaller layouts hide.
  std::array<Label*, 4> CoordinateLabels() const {
    return {xCaption_, yCaption_, xCoordinate_, yCoordinate_};
  }
  Label& XCoordinate() const { return *xCoordinate_; }
  Label& YCoordinate() const { return *yCoordinate_; }
  Image& CaptureImage() const { return *capture_; }
  Image& MagnifiedImage() const { return *magnified_; }
  Timer& SampleTimer() const { return *sampleTimer_; }

 private:
  void CreateControls(Form& form);
  // The two pictures fill the area inside its bevel.
  void FitPicturesToArea();
  void BindHandlers();
  void ShowMagnified(POINT pointer, HDC screen);
  void OnPicturePressed(MouseButton button, int x, int y);
  void OnPictureReleased();
  void PickFromPicture(int x, int y);
  void SetCoordinateOrigin();
  void Clear();

  Form& form_;
  CurrentColor& color_;
  ColorEditor& editor_;
  Palette& palette_;
  ImageList grabGlyphs_;
  Panel* panel_ = nullptr;
  SpeedButton* grabButton_ = nullptr;
  ComboBox* zoomList_ = nullptr;
  Label* xCaption_ = nullptr;
  Label* yCaption_ = nullptr;
  Panel* pictureArea_ = nullptr;
  Label* xCoordinate_ = nullptr;
  Label* yCoordinate_ = nullptr;
  Image* capture_ = nullptr;
  Image* magnified_ = nullptr;
  Timer* sampleTimer_ = nullptr;
  std::array<MenuItem*, 3> crosshairItems_{};
  std::array<MenuItem*, 3> averagingItems_{};
  ScreenReader screenReader_;
  HCURSOR eyedropCursor_;
  POINT origin_{0, 0};
  int crosshair_ = Options{}.crosshair;
  int averaging_ = Options{}.averaging;
  bool grabbing_ = false;
  bool tickRunning_ = false;
  bool picking_ = false;
};

}  // namespace tw::win
