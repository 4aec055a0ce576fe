// Time to fill and sort the list of named colors in the real main window,
// for the extended names, each sort order.
#include <windows.h>

#include <algorithm>
#include <chrono>
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
    std::vector<double> millis;
    for (int i = 0; i < runs; ++i) {
      tw::bench::BeginTraced(L"fill and sort " + std::wstring(order));
      const auto start = std::chrono::steady_clock::now();
      item.Click();
      millis.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
      tw::bench::EndTraced();
      tw::win::Application::Instance().ProcessMessages();
    }
    std::sort(millis.begin(), millis.end());
    std::printf("fill and sort 1417 names, %-18ls: median %.2f ms (of %d)\n", order,
                millis[millis.size() / 2], runs);
  }
  return 0;
}
