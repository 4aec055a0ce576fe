#pragma once

#include "core/color/bgr_image.h"
#include "win/platform/handles.h"
#include "win/widgets/custom_control.h"

namespace tw::win {

// An image control holding a 24-bit DIB section whose rows the painters write
// directly. Until it is given a picture the control stays hidden, so what lies
// beneath it (a panel's caption) shows through.
class Image : public CustomControl {
 public:
  struct Design {
    Rect bounds;
    bool stretch = false;
  };

  Image(Form& owner, Control& parent, std::wstring name, const Design& design);

  bool HasPicture() const { return static_cast<bool>(bitmap_); }
  // Gives the picture the size w × h (a new, black picture when the size
  // changes) and answers its rows for writing; call Changed() afterwards.
  BgrImageView Picture(int width, int height);
  BgrImageView Picture() const { return view_; }
  HBITMAP PictureBitmap() const { return bitmap_.Get(); }
  // After the rows were written: shows the picture and repaints it.
  void Changed();
  // Changed() without the repaint, for pictures repainted together
  // (InvalidateTogether).
  void PictureWritten();

 protected:
  void Paint(HDC dc, const RECT& client) override;

 private:
  bool stretch_;
  GdiObject<HBITMAP> bitmap_;
  BgrImageView view_;
};

}  // namespace tw::win
