// Time from starting Tintwright.exe to its main window being visible, and
// from its "Exit" command to the end of its process (with the settings file
// written), over repeated starts, and the size of the exe. Run it under Wine
// with the Wine server already up (the first start of a run pays for that
// alone).
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

struct StartAndExit {
  double startMs = -1;  // until the main window is visible
  double exitMs = -1;   // from "Exit" until the process has ended
};

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  return n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

// Negative times for what did not happen.
StartAndExit TimeOneRun(const std::filesystem::path& exe) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  StartAndExit run;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      exe.parent_path().c_str(), &startup, &process)) {
    return run;
  }
  HWND window = nullptr;
  while (Clock::now() - start < std::chrono::seconds(30)) {
    window = tw::test::FindProcessWindow(process.dwProcessId, L"TfrmColorPick");
    if (window && IsWindowVisible(window)) {
      run.startMs = MillisecondsSince(start);
      break;
    }
    Sleep(1);
  }
  const auto exit = Clock::now();
  if (window) PostMessageW(window, WM_COMMAND, tw::win::kExitCommand, 0);
  if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
    if (window) run.exitMs = MillisecondsSince(exit);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const tw::bench::RoundTripReport roundTrip;
  const int runs = argc > 1 ? _wtoi(argv[1]) : 10;
  tw::test::TempFolder folder;
  const auto exe = folder.Path() / L"Tintwright.exe";
  std::filesystem::copy_file(BesideThisProgram(L"Tintwright.exe"), exe);
  const auto settings = folder.Path() / L"Tintwright.ini";
  std::vector<double> starts;
  std::vector<double> exits;
  for (int i = 0; i < runs; ++i) {
    std::filesystem::remove(settings);
    const StartAndExit run = TimeOneRun(exe);
    if (run.startMs < 0 || run.exitMs < 0 || !std::filesystem::exists(settings)) {
      std::fprintf(stderr, "run %d: the window did not show, or the exit did not end and save\n",
                   i + 1);
      return 1;
    }
    starts.push_back(run.startMs);
    exits.push_back(run.exitMs);
  }
  const auto [fastestStart, slowestStart] = std::minmax_element(starts.begin(), starts.end());
  const auto [fastestExit, slowestExit] = std::minmax_element(exits.begin(), exits.end());
  std::printf("starts: %d\nstart to visible window, ms: median %.1f, min %.1f, max %.1f\n", runs,
              Median(starts), *fastestStart, *slowestStart);
  std::printf("Exit to the process's end, ms: median %.1f, min %.1f, max %.1f\n", Median(exits),
              *fastestExit, *slowestExit);
  std::printf("Tintwright.exe size: %ju bytes\n",
              static_cast<std::uintmax_t>(std::filesystem::file_size(exe)));
  return 0;
}
