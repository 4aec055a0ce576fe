#include "win/platform/dib_section.h"

namespace tw::win {

GdiObject<HBITMAP> CreateDibSection(int width, int height, WORD bitsPerPixel, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  void* rows = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &rows, nullptr, 0));
  if (bits) *bits = rows;
  return bitmap;
}

}  // namespace tw::win
