// The floor of one eyedropper tick (see floor_window.h): the same pointer
// moves over the same window and the same count as tick_bench, timed the
// same way.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "floor_window.h"
#include "win/widgets/application.h"

int wmain(int argc, wchar_t** argv) {
  const int ticks = argc > 1 ? _wtoi(argv[1]) : 500;
  tw::bench::FloorWindow floor;
  const tw::bench::RoundTripReport roundTrip;
  HWND gradient = tw::bench::ShowGradient();  // under the pointer, as in tick_bench
  std::vector<double> micros;
  for (int i = 0; i < ticks; ++i) {
    SetCursorPos(20 + (i * 37) % 200, 20 + (i * 53) % 200);
    tw::bench::BeginTraced(L"tick floor");
    const auto start = tw::bench::Clock::now();
    floor.Tick();
    micros.push_back(tw::bench::MicrosSince(start));
    tw::bench::EndTraced();
    tw::win::Application::Instance().ProcessMessages();  // repaints outside the timing
  }
  DestroyWindow(gradient);
  const tw::bench::Spread spread = tw::bench::Summarize(micros);
  std::printf("tick floor: median %.3f ms, p99 %.3f ms (%d ticks)\n", spread.median, spread.p99,
              ticks);
  return 0;
}
