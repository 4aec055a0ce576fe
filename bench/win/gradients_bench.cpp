// Cost of showing the gradient strips and the wheel in the real main window:
// the six strips for a new color of the same value, and the strips with the
// wheel for a new value.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

namespace {

using tw::win::Channel;

// Runs `change` and then times the strips and wheel, `count` times.
template <typename Change>
void Measure(tw::win::MainWindow& window, const wchar_t* label, int count, Change change) {
  tw::win::ColorEditor& editor = window.Editor();
  std::vector<double> micros;
  const int paintedBefore = editor.WheelPaintCount();
  for (int i = 0; i < count; ++i) {
    change(i);
    tw::bench::BeginTraced(label);
    const auto start = tw::bench::Clock::now();
    editor.ShowGradients();
    micros.push_back(tw::bench::MicrosSince(start));
    tw::bench::EndTraced();
    tw::win::Application::Instance().ProcessMessages();  // the repaints outside the timing
  }
  const tw::bench::Spread spread = tw::bench::Summarize(micros);
  std::printf("%ls, %d times: median %.3f ms, p99 %.3f ms (wheel painted %d times)\n", label, count,
              spread.median, spread.p99, editor.WheelPaintCount() - paintedBefore);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int count = argc > 1 ? _wtoi(argv[1]) : 500;
  tw::bench::ShownMainWindow shown;
  tw::win::MainWindow& window = shown.Get();
  const tw::bench::RoundTripReport roundTrip;  // ends while the window is still there
  tw::win::ColorEditor& editor = window.Editor();
  // The bars are moved with their handlers detached: only the painting is timed.
  editor.DetachChangeHandlers();
  Measure(window, L"strips, new hue", count,
          [&](int i) { editor.Bar(Channel::kHue).SetPosition(i % 360); });
  Measure(window, L"strips and wheel, new value", count,
          [&](int i) { editor.Bar(Channel::kValue).SetPosition(i % 2 ? 100 : 200); });
  editor.AttachChangeHandlers();
  return 0;
}
