#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tw::win {

// Owns one handle and gives it back to the system once, with `Release`.
template <typename T, void (*Release)(T)>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(T handle) : handle_(handle) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { Reset(); }

  T Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(T handle = nullptr) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }
  // For a call that hands the handle out through a pointer.
  T* Receive() {
    Reset();
    return &handle_;
  }

 private:
  T handle_ = nullptr;
};

template <typename T>
void DeleteGdiObject(T object) {
  DeleteObject(object);
}
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void DestroyImageList(HIMAGELIST images) { ImageList_Destroy(images); }

// A GDI object (font, bitmap, brush, pen).
template <typename T>
using GdiObject = OwnedHandle<T, &DeleteGdiObject<T>>;
// A kernel object (a mutex, an event, a mapping).
using KernelHandle = OwnedHandle<HANDLE, &CloseKernelHandle>;
using ImageList = OwnedHandle<HIMAGELIST, &DestroyImageList>;

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

}  // namespace tw::win
