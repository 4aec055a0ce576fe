// The floor of bringing the controls in step with a new color (see
// floor_window.h): seven texts and seven scroll positions, the same colors
// and count as follow_color_bench, timed the same way.
#include <windows.h>

#include <cstdio>
#include <random>
#include <vector>

#include "bench_support.h"
#include "floor_window.h"
#include "win/widgets/application.h"

int wmain(int argc, wchar_t** argv) {
  const int changes = argc > 1 ? _wtoi(argv[1]) : 1000;
  tw::bench::FloorWindow floor;
  const tw::bench::RoundTripReport roundTrip;
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> channel(0, 255);
  std::vector<double> micros;
  micros.reserve(changes);
  for (int i = 0; i < changes; ++i) {
    const COLORREF color = RGB(channel(random), channel(random), channel(random));
    tw::bench::BeginTraced(L"follow color floor");
    const auto start = tw::bench::Clock::now();
    floor.FollowColor(color);
    micros.push_back(tw::bench::MicrosSince(start));
    tw::bench::EndTraced();
    tw::win::Application::Instance().ProcessMessages();  // repaints outside the timing
  }
  const tw::bench::Spread spread = tw::bench::Summarize(micros);
  std::printf("follow color floor, %d changes: median %.3f ms, p99 %.3f ms, max %.3f ms\n", changes,
              spread.median, spread.p99, spread.max);
  return 0;
}
