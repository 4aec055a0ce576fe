// Time from starting Tintwright.exe to its main window being visible, over
// repeated starts, and the size of the exe. Run it under Wine with the Wine
// server already up (the first start of a run pays for that alone).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "bench_support.h"
#include "test_support.h"
#include "win/window/command_ids.h"

namespace {

using Clock = std::chrono::steady_clock;

std::filesystem::path BesideThisProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return std::filesystem::path(path).parent_path() / name;
}

// Milliseconds until the main window is visible, or a negative number.
double TimeOneStart(const std::filesystem::path& exe) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      exe.parent_path().c_str(), &startup, &process)) {
    return -1;
  }
  HWND window = nullptr;
  double elapsed = -1;
  while (Clock::now() - start < std::chrono::seconds(30)) {
    window = tw::test::FindProcessWindow(process.dwProcessId, L"TfrmColorPick");
    if (window && IsWindowVisible(window)) {
      elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    Sleep(1);
  }
  if (window) PostMessageW(window, WM_COMMAND, tw::win::kExitCommand, 0);
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const tw::bench::RoundTripReport roundTrip;
  const int runs = argc > 1 ? _wtoi(argv[1]) : 10;
  tw::test::TempFolder folder;
  const auto exe = folder.Path() / L"Tintwright.exe";
  std::filesystem::copy_file(BesideThisProgram(L"Tintwright.exe"), exe);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double ms = TimeOneStart(exe);
    if (ms < 0) {
      std::fprintf(stderr, "start %d: the main window did not show\n", i + 1);
      return 1;
    }
    times.push_back(ms);
  }
  std::sort(times.begin(), times.end());
  const double median = runs % 2 ? times[runs / 2] : (times[runs / 2 - 1] + times[runs / 2]) / 2;
  std::printf("starts: %d\nstart to visible window, ms: median %.1f, min %.1f, max %.1f\n", runs,
              median, times.front(), times.back());
  std::printf("Tintwright.exe size: %ju bytes\n",
              static_cast<std::uintmax_t>(std::filesystem::file_size(exe)));
  return 0;
}
