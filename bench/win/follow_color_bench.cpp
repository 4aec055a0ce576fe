// Cost of bringing every control in step with a new color (MainWindow::
// FollowColor after a change) in the real main window, over many changes.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "bench_support.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

int wmain(int argc, wchar_t** argv) {
  const int changes = argc > 1 ? _wtoi(argv[1]) : 1000;
  tw::bench::ShownMainWindow shown;
  tw::win::MainWindow& window = shown.Get();
  const tw::bench::RoundTripReport roundTrip;  // ends while the window is still there
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> channel(0, 255);
  std::vector<double> micros;
  micros.reserve(changes);
  for (int i = 0; i < changes; ++i) {
    const tw::TColor color = tw::MakeColor(channel(random), channel(random), channel(random));
    window.Current().Replace(color);
    tw::bench::BeginTraced(L"follow color");
    const auto start = tw::bench::Clock::now();
    window.Current().Follow(tw::win::ColorSource::kOther);
    micros.push_back(tw::bench::MicrosSince(start));
    tw::bench::EndTraced();
    tw::win::Application::Instance()
        .ProcessMessages();  // let the repaints happen outside the timing
  }
  const tw::bench::Spread spread = tw::bench::Summarize(micros);
  std::printf(
      "follow color, every control for a new color, %d changes: median %.3f ms, p99 %.3f ms, max "
      "%.3f ms\n",
      changes, spread.median, spread.p99, spread.max);
  return 0;
}
