// What the timing programs share: the speed of the machine's Wine server,
// printed beside every figure, and marks for counting server requests.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "test_support.h"
#include "win/widgets/application.h"
#include "win/widgets/window_class.h"
#include "win/window/main_window.h"

namespace tw::bench {

// Under Wine nearly every window call is a round trip to the Wine server.
// On a virtual machine its cost depends on whether the scheduler has put
// this program and the server on one core (a few microseconds) or on two
// (ten times that), and that can change in the middle of a run. Asking for a
// named event that does not exist is one round trip and nothing else, so its
// median at the start and at the end of a run puts the run's figures in scale.
inline double ServerRoundTripMicros() {
  std::vector<double> micros;
  for (int i = 0; i < 500; ++i) {
    const auto start = std::chrono::steady_clock::now();
    OpenEventW(SYNCHRONIZE, FALSE, L"tw-round-trip");
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(micros.begin(), micros.end());
  return micros[micros.size() / 2];
}

class RoundTripReport {
 public:
  RoundTripReport() : atStart_(ServerRoundTripMicros()) {}
  ~RoundTripReport() {
    std::printf(
        "Wine server round trip (one request), median: %.1f us at the start, %.1f us "
        "at the end of this run\n",
        atStart_, ServerRoundTripMicros());
  }
  RoundTripReport(const RoundTripReport&) = delete;
  RoundTripReport& operator=(const RoundTripReport&) = delete;

 private:
  double atStart_;
};

// Brackets one measured operation for tools/count-requests.sh, which reads
// the Wine server's trace: a mark is a request for a named event that does
// not exist, so it shows in the trace with its name. Off unless
// TW_TRACE_MARKS is set, as a mark is a round trip itself.
inline void TraceMark(const std::wstring& name) {
  static const bool on = std::getenv("TW_TRACE_MARKS") != nullptr;
  if (on) OpenEventW(SYNCHRONIZE, FALSE, name.c_str());
}
inline void BeginTraced(const std::wstring& label) { TraceMark(L"tw-begin " + label); }
inline void EndTraced() { TraceMark(L"tw-end"); }

using Clock = std::chrono::steady_clock;

inline double MicrosSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// Milliseconds, from timings in microseconds.
struct Spread {
  double median;
  double p99;
  double max;
};

inline Spread Summarize(std::vector<double> micros) {
  std::sort(micros.begin(), micros.end());
  return {micros[micros.size() / 2] / 1000, micros[micros.size() * 99 / 100] / 1000,
          micros.back() / 1000};
}

// The real main window, shown, its settings in a folder of its own.
class ShownMainWindow {
 public:
  ShownMainWindow() { window_.Show(); }
  win::MainWindow& Get() { return window_; }

 private:
  static bool InitializeApplication() {
    win::Application::Instance().Initialize(L"Tintwright", L"Tintwright.chm");
    return true;
  }

  bool initialized_ = InitializeApplication();
  test::TempFolder folder_;
  win::MainWindow window_{folder_.Path() / L"Tintwright.ini"};
};

// A window of many colors to sample from, at the desktop's top-left corner;
// the pointer's moves over it reach the timing program as mouse messages.
inline HWND ShowGradient() {
  tw::win::RegisterWindowClass(L"TwBenchGradient");
  HWND window =
      CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"TwBenchGradient", L"", WS_POPUP, 0, 0,
                      256, 256, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  HDC dc = GetDC(window);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) SetPixel(dc, x, y, RGB(x, y, (x + y) & 0xFF));
  }
  ReleaseDC(window, dc);
  return window;
}

}  // namespace tw::bench
