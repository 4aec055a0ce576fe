// Cost of one eyedropper tick in the real main window, with the sampled
// color changing every tick, for two zoom factors and the three averaging
// modes; and the cost of averaging 25 pixels read one by one against one
// block copy.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "win/platform/screen_reader.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace {

using tw::bench::Clock;
using tw::bench::MicrosSince;
using tw::bench::Spread;
using tw::bench::Summarize;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int ticks = argc > 1 ? _wtoi(argv[1]) : 500;
  tw::bench::ShownMainWindow shown;
  tw::win::MainWindow& window = shown.Get();
  tw::win::MagnifierPanel& magnifier = window.Magnifier();
  const tw::bench::RoundTripReport roundTrip;  // ends while the window is still there
  HWND gradient = tw::bench::ShowGradient();
  const wchar_t* averaging[] = {L"Off1", L"N3x3Average1", L"N5x5Average1"};
  for (int zoom : {5, 20}) {
    for (int mode = 0; mode < 3; ++mode) {
      window.FindMenuItem(L"Zoom" + std::to_wstring(zoom) + L"X1")->Click();
      window.FindMenuItem(averaging[mode])->Click();
      magnifier.StartGrab(tw::win::MouseButton::Left);
      magnifier.SampleTimer().SetEnabled(false);  // the ticks are driven here, one at a time
      std::vector<double> micros;
      for (int i = 0; i < ticks; ++i) {
        SetCursorPos(20 + (i * 37) % 200, 20 + (i * 53) % 200);  // a new color every tick
        tw::bench::BeginTraced(L"tick zoom " + std::to_wstring(zoom) + L" " + averaging[mode]);
        const auto start = Clock::now();
        magnifier.Tick();
        micros.push_back(MicrosSince(start));
        tw::bench::EndTraced();
        tw::win::Application::Instance().ProcessMessages();  // repaints outside the timing
      }
      magnifier.EndGrab();
      const Spread spread = Summarize(micros);
      std::printf("tick, zoom %2d, %-12ls: median %.3f ms, p99 %.3f ms (%d ticks)\n", zoom,
                  averaging[mode], spread.median, spread.p99, ticks);
    }
  }
  // Averaging 5 × 5 pixels: 25 reads of one pixel each against one block copy.
  HDC screen = GetDC(nullptr);
  tw::win::ScreenReader reader;
  std::vector<double> perPixel;
  std::vector<double> block;
  for (int i = 0; i < ticks; ++i) {
    const int x = 20 + (i * 37) % 200;
    const int y = 20 + (i * 53) % 200;
    auto start = Clock::now();
    unsigned sums[3] = {0, 0, 0};
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const COLORREF c = GetPixel(screen, x + dx, y + dy);
        sums[0] += GetRValue(c), sums[1] += GetGValue(c), sums[2] += GetBValue(c);
      }
    }
    perPixel.push_back(MicrosSince(start));
    start = Clock::now();
    const std::optional<tw::TColor> averaged = reader.Sample(screen, x, y, 2);
    block.push_back(MicrosSince(start));
    if (!averaged || *averaged != tw::MakeColor(sums[0] / 25, sums[1] / 25, sums[2] / 25)) {
      std::fprintf(stderr, "the two ways of averaging disagree at %d,%d\n", x, y);
      return 1;
    }
  }
  ReleaseDC(nullptr, screen);
  const Spread pixels = Summarize(perPixel);
  const Spread copy = Summarize(block);
  std::printf("5x5 average: 25 GetPixel %.3f ms, one block copy %.3f ms (median), ratio %.1f\n",
              pixels.median, copy.median, pixels.median / copy.median);
  DestroyWindow(gradient);
  return 0;
}
