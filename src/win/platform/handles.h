#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tw::win {

// Owns a GDI object (font, bitmap, brush, pen) and deletes it once.
template <typename T>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(T handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  T Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(T handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  T handle_ = nullptr;
};

// A device context from GetDC, released on every path.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context for measuring text. Unlike a window's DC it costs
// no round trip to the Wine server.
class MeasuringDC {
 public:
  MeasuringDC() : dc_(CreateCompatibleDC(nullptr)) {}
  MeasuringDC(const MeasuringDC&) = delete;
  MeasuringDC& operator=(const MeasuringDC&) = delete;
  ~MeasuringDC() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context with one object selected into it for its lifetime.
class MemoryDC {
 public:
  MemoryDC(HDC compatible, HGDIOBJ object)
      : dc_(CreateCompatibleDC(compatible)), old_(SelectObject(dc_, object)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Selects an object into a DC and restores the previous one.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, old_); }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A kernel object handle (a mutex, an event, a mapping), closed once.
class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE handle) : handle_(handle) {}
  KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  ~KernelHandle() { Close(); }
  HANDLE Get() const { return handle_; }

 private:
  void Close() {
    if (handle_) CloseHandle(handle_);
  }

  HANDLE handle_ = nullptr;
};

// An image list, destroyed once.
class ImageList {
 public:
  explicit ImageList(HIMAGELIST images) : images_(images) {}
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ~ImageList() {
    if (images_) ImageList_Destroy(images_);
  }
  HIMAGELIST Get() const { return images_; }

 private:
  HIMAGELIST images_;
};

}  // namespace tw::win
