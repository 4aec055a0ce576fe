// Time to fill and sort the list of named colors in the real main window,
// for the extended names, each sort order.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "win/widgets/application.h"
#include "win/window/main_window.h"

int wmain(int argc, wchar_t** argv) {
  const int runs = argc > 1 ? _wtoi(argv[1]) : 20;
  tw::bench::ShownMainWindow shown;
  tw::win::MainWindow& window = shown.Get();
  const tw::bench::RoundTripReport roundTrip;  // ends while the window is still there
  const wchar_t* orders[] = {L"SortbyName1",  L"SortbyHue1",       L"SortbySaturation1",
                             L"SortbyValue1", L"SortbyRed1",       L"SortbyGreen1",
                             L"SortbyBlue1",  L"SortbyBrightness1"};
  for (const wchar_t* order : orders) {
    tw::win::MenuItem& item = *window.FindMenuItem(order);
    std::vector<double> micros;
    for (int i = 0; i < runs; ++i) {
      tw::bench::BeginTraced(L"fill and sort " + std::wstring(order));
      const auto start = tw::bench::Clock::now();
      item.Click();
      micros.push_back(tw::bench::MicrosSince(start));
      tw::bench::EndTraced();
      tw::win::Application::Instance().ProcessMessages();
    }
    std::printf("fill and sort 1417 names, %-18ls: median %.2f ms (of %d)\n", order,
                tw::bench::Summarize(micros).median, runs);
  }
  return 0;
}
