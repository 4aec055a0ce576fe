// The floor the eyedropper's and the color follow's times are held against:
// a bare window with the same kinds of controls as the main window (seven
// standard edit boxes, seven scroll bars, two labels, a magnifier picture
// and a color swatch; the texts in the program's font), and only the
// window-system work that the program cannot leave out, done with plain
// Win32 calls. Measured in the same run and placement as the program, the
// ratio of the two says what the program's own code adds, whatever a server
// request costs that minute.
#pragma once

#include <windows.h>

#include <array>
#include <cwchar>
#include <string>

#include "win/platform/dib_section.h"
#include "win/platform/handles.h"
#include "win/widgets/window_class.h"

namespace tw::bench {

class FloorWindow {
 public:
  static constexpr int kBoxes = 7;  // R, G, B, H, S, V and the code
  static constexpr int kBars = 7;   // the six channels and the brightness
  static constexpr int kMagnifiedWidth = 165;
  static constexpr int kMagnifiedHeight = 132;
  static constexpr int kZoom = 5;

  FloorWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    win::RegisterWindowClass(L"TwFloorWindow");
    WNDCLASSW swatchClass{};
    swatchClass.lpfnWndProc = &FloorWindow::SwatchProcedure;
    swatchClass.hInstance = instance;
    swatchClass.lpszClassName = L"TwFloorSwatch";
    RegisterClassW(&swatchClass);
    window_ = CreateWindowExW(0, L"TwFloorWindow", L"floor", WS_OVERLAPPEDWINDOW, 300, 300, 500,
                              320, nullptr, nullptr, instance, nullptr);
    for (int i = 0; i < kBoxes; ++i) {
      boxes_[i] = Child(WS_EX_CLIENTEDGE, L"EDIT", ES_AUTOHSCROLL, 8, 8 + 24 * i, 80, 21);
      bars_[i] = Child(0, L"SCROLLBAR", SBS_HORZ, 96, 8 + 24 * i, 120, 17);
      SCROLLINFO range{sizeof(range), SIF_RANGE | SIF_PAGE, 0, 255, 1};
      SetScrollInfo(bars_[i], SB_CTL, &range, FALSE);
    }
    labels_[0] = Child(0, L"STATIC", SS_LEFT, 230, 150, 40, 16);
    labels_[1] = Child(0, L"STATIC", SS_LEFT, 280, 150, 40, 16);
    // The program's font: an edit box measures its text in its font on
    // every change, and the cost of that depends on the face.
    LOGFONTW face{};
    face.lfHeight = -12;
    wcscpy(face.lfFaceName, L"Segoe UI");
    font_.Reset(CreateFontIndirectW(&face));
    for (HWND box : boxes_) SetFont(box);
    for (HWND label : labels_) SetFont(label);
    magnified_ = Child(0, L"TwFloorSwatch", 0, 230, 8, kMagnifiedWidth, kMagnifiedHeight);
    swatch_ = Child(0, L"TwFloorSwatch", 0, 400, 8, 60, 60);
    SetWindowLongPtrW(swatch_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    sample_ = win::CreateDibSection(1, 1, 24);
    capture_ = win::CreateDibSection(kMagnifiedWidth / kZoom, kMagnifiedHeight / kZoom, 24);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
  }
  ~FloorWindow() { DestroyWindow(window_); }
  FloorWindow(const FloorWindow&) = delete;
  FloorWindow& operator=(const FloorWindow&) = delete;

  // A new color: its numbers in the seven boxes, its positions on the seven
  // bars (painted with the next paint, as a synchronous scroll-bar redraw
  // is no part of the floor), and the swatch repainted.
  void FollowColor(COLORREF color) {
    const int channels[kBars] = {GetRValue(color),
                                 GetGValue(color),
                                 GetBValue(color),
                                 GetRValue(color) ^ 0x55,
                                 GetGValue(color) ^ 0x55,
                                 GetBValue(color) ^ 0x55,
                                 (GetRValue(color) + GetBValue(color)) / 2};
    for (int i = 0; i < kBoxes - 1; ++i) {
      SetWindowTextW(boxes_[i], std::to_wstring(channels[i]).c_str());
    }
    wchar_t code[8];
    swprintf(code, 8, L"#%06X", static_cast<unsigned>(color));
    SetWindowTextW(boxes_[kBoxes - 1], code);
    for (int i = 0; i < kBars; ++i) {
      SCROLLINFO position{sizeof(position), SIF_POS};
      position.nPos = channels[i];
      SetScrollInfo(bars_[i], SB_CTL, &position, FALSE);
      InvalidateRect(bars_[i], nullptr, FALSE);
    }
  }

  // One eyedropper tick at the pointer: the pixel under it read by one block
  // copy, the swatch repainted, the color followed, the coordinates shown,
  // and the area around the pointer captured and blitted magnified. The
  // swatch is painted by the messages pending in the queue, which the
  // program's tick lets run too: among them the pointer's own move, which
  // no tick of a moving pointer can leave out.
  void Tick() {
    POINT pointer;
    GetCursorPos(&pointer);
    win::WindowDC screen(nullptr);
    const COLORREF color = ReadPixel(screen.Get(), pointer);
    swatchColor_ = color;
    InvalidateRect(swatch_, nullptr, FALSE);
    RunPendingMessages();
    FollowColor(color);
    SetWindowTextW(labels_[0], std::to_wstring(pointer.x).c_str());
    SetWindowTextW(labels_[1], std::to_wstring(pointer.y).c_str());
    ShowMagnified(screen.Get(), pointer);
  }

 private:
  HWND Child(DWORD exStyle, const wchar_t* className, DWORD style, int x, int y, int width,
             int height) {
    return CreateWindowExW(exStyle, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  }

  static void RunPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  void SetFont(HWND control) const {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }

  COLORREF ReadPixel(HDC screen, POINT pointer) {
    win::MemoryDC memory(screen, sample_.Get());
    BitBlt(memory.Get(), 0, 0, 1, 1, screen, pointer.x, pointer.y, SRCCOPY);
    return GetPixel(memory.Get(), 0, 0);
  }

  void ShowMagnified(HDC screen, POINT pointer) {
    constexpr int kWidth = kMagnifiedWidth / kZoom;
    constexpr int kHeight = kMagnifiedHeight / kZoom;
    win::MemoryDC memory(screen, capture_.Get());
    BitBlt(memory.Get(), 0, 0, kWidth, kHeight, screen, pointer.x - kWidth / 2,
           pointer.y - kHeight / 2, SRCCOPY);
    win::WindowDC target(magnified_);
    StretchBlt(target.Get(), 0, 0, kMagnifiedWidth, kMagnifiedHeight, memory.Get(), 0, 0, kWidth,
               kHeight, SRCCOPY);
  }

  static LRESULT CALLBACK SwatchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    const auto* self = reinterpret_cast<FloorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (self != nullptr) {
      win::GdiObject<HBRUSH> brush(CreateSolidBrush(self->swatchColor_));
      FillRect(dc, &paint.rcPaint, brush.Get());
    }
    EndPaint(window, &paint);
    return 0;
  }

  HWND window_ = nullptr;
  std::array<HWND, kBoxes> boxes_{};
  std::array<HWND, kBars> bars_{};
  std::array<HWND, 2> labels_{};
  HWND magnified_ = nullptr;
  HWND swatch_ = nullptr;
  win::GdiObject<HBITMAP> sample_;
  win::GdiObject<HBITMAP> capture_;
  COLORREF swatchColor_ = 0;
  win::GdiObject<HFONT> font_;
};

}  // namespace tw::bench
