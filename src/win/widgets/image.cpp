#include "win/widgets/image.h"

#include <stdexcept>

#include "win/platform/dib_section.h"

namespace tw::win {

Image::Image(Form& owner, Control& parent, std::wstring name, const Design& design)
    : CustomControl(owner, parent, std::move(name)), stretch_(design.stretch) {
  NoteVisibility(false);
  CreateCustom(L"TwImage", design.bounds);
}

BgrImageView Image::Picture(int width, int height) {
  if (bitmap_ && view_.width == width && view_.height == height) return view_;
  void* bits = nullptr;
  bitmap_ = CreateDibSection(width, height, 24, &bits);
  if (!bitmap_) throw std::runtime_error("Out of memory for a picture");
  view_ = {static_cast<std::uint8_t*>(bits), width, height, BitmapRowStride(width)};
  return view_;
}

void Image::Changed() {
  PictureWritten();
  InvalidateAll();
}

void Image::PictureWritten() { SetVisible(HasPicture()); }

void Image::Paint(HDC dc, const RECT& client) {
  if (!bitmap_) {
    FillBackground(dc, client, BackgroundColor());
    return;
  }
  GdiFlush();  // the rows were written behind GDI's back
  MemoryDC source(dc, bitmap_.Get());
  if (stretch_ && (view_.width != client.right || view_.height != client.bottom)) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, client.right, client.bottom, source.Get(), 0, 0, view_.width, view_.height,
               SRCCOPY);
  } else {
    FillBackground(dc, client, BackgroundColor());
    BitBlt(dc, 0, 0, view_.width, view_.height, source.Get(), 0, 0, SRCCOPY);
  }
}

}  // namespace tw::win
