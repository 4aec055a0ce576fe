// The real exe ended by force (TerminateProcess) while it writes its
// settings file or a palette file: whatever the moment, the file on disk is
// the whole old one or the whole new one, and it reads back. A kill lands
// either at a random moment over the time a whole save takes, or as soon as
// the save's temporary file shows up, plus up to two milliseconds.
// TW_KILL_RUNS sets the kills per file (24 unless set).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "core/palette/palette_file.h"
#include "core/settings/ini_file.h"
#include "test_support.h"
#include "win/platform/ansi_codec.h"
#include "win/window/command_ids.h"
#include "win/window/palette_file_io.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int Kills() {
  const char* kills = std::getenv("TW_KILL_RUNS");
  return kills != nullptr ? std::max(2, std::atoi(kills)) : 24;
}

// The temporary files of a save of `target`, which lie beside it.
std::vector<fs::path> TemporariesOf(const fs::path& target) {
  std::vector<fs::path> found;
  const std::wstring prefix = target.filename().wstring() + L".";
  for (const fs::path& name : FileNamesIn(target.parent_path())) {
    if (name.wstring().starts_with(prefix) && name.extension() == L".tmp") {
      found.push_back(target.parent_path() / name);
    }
  }
  return found;
}

// Removes what a kill left, so that the next save's temporary file is seen.
int RemoveTemporariesOf(const fs::path& target) {
  const std::vector<fs::path> left = TemporariesOf(target);
  for (const fs::path& file : left) fs::remove(file);
  return static_cast<int>(left.size());
}

std::string FilesIn(const fs::path& folder) {
  std::string names = "files:";
  for (const fs::path& name : FileNamesIn(folder)) names += " " + name.string();
  return names;
}

// What the kills found.
struct Tally {
  int runs = 0;
  int killed = 0;       // still running when the kill came
  int oldFile = 0;      // the whole old file on disk afterwards
  int newFile = 0;      // the whole new one
  int broken = 0;       // anything else
  int temporaries = 0;  // temporary files a kill left beside the file

  // Sorts what the kill of run `run` left in `file`: the whole old version
  // (`versions[old]`), the whole new one (the other), or anything else,
  // which fails the test and is replaced by the old version. Answers the
  // version now on disk.
  int Sort(const fs::path& file, const std::string (&versions)[2], int old, int run) {
    ++runs;
    temporaries += RemoveTemporariesOf(file);
    const std::string bytes = ReadFileBytes(file);
    if (bytes == versions[old]) {
      ++oldFile;
      return old;
    }
    if (bytes == versions[1 - old]) {
      ++newFile;
      return 1 - old;
    }
    ++broken;
    ADD_FAILURE() << "run " << run << " left " << file << " neither old nor new:\n" << bytes;
    WriteFileBytes(file, versions[old]);
    return old;
  }

  void Print(const char* file) const {
    std::printf(
        "%s: %d runs, %d killed while running; afterwards the old file %d times, the new one %d "
        "times, anything else %d times; %d temporary files left behind\n",
        file, runs, killed, oldFile, newFile, broken, temporaries);
  }
};

void SpinUntil(Clock::time_point moment) {
  while (Clock::now() < moment) {
  }
}

class Killer {
 public:
  explicit Killer(Clock::duration wholeSave) : wholeSave_(wholeSave) {}

  // Ends `run` at the moment chosen for kill number `index` after the save
  // of `target` began; answers whether the process was still running.
  bool KillWhileSaving(ProgramRun& run, const fs::path& target, int index) {
    const auto began = Clock::now();
    if (index % 2 == 0) {
      std::uniform_int_distribution<long long> moment(0, wholeSave_.count() * 6 / 5);
      SpinUntil(began + Clock::duration(moment(random_)));
    } else {
      const auto deadline = began + std::chrono::seconds(10);
      while (TemporariesOf(target).empty() && Clock::now() < deadline &&
             run.WaitForExit(std::chrono::milliseconds(0)) == STILL_ACTIVE) {
      }
      std::uniform_int_distribution<int> micros(0, 2000);
      SpinUntil(Clock::now() + std::chrono::microseconds(micros(random_)));
    }
    return run.Terminate();
  }

 private:
  Clock::duration wholeSave_;
  std::mt19937 random_{20261210};
};

bool IsAt(HWND window, POINT place) {
  RECT rect;
  return GetWindowRect(window, &rect) && rect.left == place.x && rect.top == place.y;
}

// The main window of `run` once shown and done starting.
HWND ShownWindow(ProgramRun& run) {
  HWND window = run.WaitForMainWindow();
  if (window == nullptr || !WaitUntil([&] { return IsWindowVisible(window) != FALSE; })) {
    return nullptr;
  }
  return run.WaitForIdle() ? window : nullptr;
}

bool MoveTo(HWND window, POINT place) {
  SetWindowPos(window, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return WaitUntil([&] { return IsAt(window, place); });
}

// The settings file, written at exit, keeps the window's place: each run
// moves the window to the other of two places, so the old and the new file
// differ, and the next start shows where the file that survived puts it.
TEST(KilledWhileSaving, SettingsFileIsTheOldOrTheNewOneAndTheNextStartReadsIt) {
  TempFolder folder;
  const fs::path settings = folder.Path() / L"Tintwright.ini";
  constexpr POINT kPlaces[2] = {{100, 90}, {180, 150}};

  // Whole runs first: what each place's file holds, and how long an exit
  // takes. The first start has no file yet and writes one the second reads.
  std::string written[2];
  Clock::duration wholeSave{};
  for (int i = 0; i < 4; ++i) {
    ProgramRun run(folder, L"");
    HWND window = ShownWindow(run);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(MoveTo(window, kPlaces[i % 2]));
    const auto began = Clock::now();
    PostMessageW(window, WM_COMMAND, win::kExitCommand, 0);
    ASSERT_EQ(run.WaitForExit(), 0u);
    wholeSave = std::max(wholeSave, Clock::now() - began);
    written[i % 2] = ReadFileBytes(settings);
  }
  ASSERT_NE(written[0], written[1]);
  int filePlace = 1;

  Tally tally;
  Killer killer(wholeSave);
  for (int i = 0; i < Kills(); ++i) {
    ProgramRun run(folder, L"");
    HWND window = ShownWindow(run);
    ASSERT_NE(window, nullptr) << "run " << i;
    ASSERT_TRUE(WaitUntil([&] { return IsAt(window, kPlaces[filePlace]); }))
        << "run " << i << ": the start did not take the place from the file on disk";
    const int place = 1 - filePlace;
    ASSERT_TRUE(MoveTo(window, kPlaces[place]));
    PostMessageW(window, WM_COMMAND, win::kExitCommand, 0);
    tally.killed += killer.KillWhileSaving(run, settings, i);
    filePlace = tally.Sort(settings, written, filePlace, i);
  }
  ProgramRun last(folder, L"");  // reads what the last kill left
  HWND window = ShownWindow(last);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsAt(window, kPlaces[filePlace]); }));
  tally.Print("settings file");
  EXPECT_GT(tally.killed, 0) << "every run had ended before its kill";
}

PaletteSlots SlotSet(int set) {
  PaletteSlots slots{};
  for (std::size_t i = 0; i < slots.size(); ++i) {
    slots[i] = set == 0 ? MakeColor(20 * i, 255 - 20 * i, 7 * i)
                        : static_cast<TColor>(0x00F0E0D0 - 0x00010203 * i);
  }
  return slots;
}

void StoreSlots(const fs::path& settings, const PaletteSlots& slots) {
  IniFile ini;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    ini.WriteColor("Tintwright", "mempan" + std::to_string(i + 1) + "_Color", slots[i]);
  }
  WriteFileBytes(settings, ini.Serialize(Windows1252Codec()).value());
}

BOOL CALLBACK FindSaveButton(HWND control, LPARAM found) {
  wchar_t className[16] = {};
  GetClassNameW(control, className, 16);
  if (_wcsicmp(className, L"Button") != 0 || WindowText(control) != L"Save") return TRUE;
  *reinterpret_cast<HWND*>(found) = control;
  return FALSE;
}

// Starts the exe on `slots` and has it save them to `palette`, answering its
// save dialog; answers false if any step did not come.
bool StartSaving(ProgramRun& run, const fs::path& palette) {
  HWND window = ShownWindow(run);
  if (window == nullptr) return false;
  HWND save = nullptr;
  EnumChildWindows(window, &FindSaveButton, reinterpret_cast<LPARAM>(&save));
  if (save == nullptr) return false;
  PostMessageW(save, BM_CLICK, 0, 0);
  MessageBoxSeen seen;
  HWND dialog = nullptr;
  if (!WaitForMessageBox(run.ProcessId(), seen, dialog)) return false;
  // A dialog that shows may still be filling its boxes, and would then
  // overwrite the name typed into it.
  if (!run.WaitForIdle()) return false;
  AnswerFileDialog(dialog, palette.wstring());
  return true;
}

// A palette file is saved from the slots: each run starts on the other of
// two sets of slots, so the old and the new file differ.
TEST(KilledWhileSaving, PaletteFileIsTheOldOrTheNewOneAndLoads) {
  TempFolder folder;
  const fs::path settings = folder.Path() / L"Tintwright.ini";
  const fs::path palette = folder.Path() / L"colors.plt";
  const std::string written[2] = {FormatPaletteFile(SlotSet(0)), FormatPaletteFile(SlotSet(1))};
  WriteFileBytes(palette, written[0]);

  // One whole save: the exe writes what the core formats, and how long it takes.
  Clock::duration wholeSave{};
  {
    StoreSlots(settings, SlotSet(1));
    ProgramRun run(folder, L"");
    ASSERT_TRUE(StartSaving(run, palette));
    const auto began = Clock::now();
    ASSERT_TRUE(WaitUntil([&] { return ReadFileBytes(palette) == written[1]; }))
        << ReadFileBytes(palette) << FilesIn(folder.Path());
    wholeSave = Clock::now() - began;
  }
  int fileSet = 1;

  Tally tally;
  Killer killer(wholeSave);
  const win::AnsiCodec codec;
  for (int i = 0; i < Kills(); ++i) {
    const int set = 1 - fileSet;
    StoreSlots(settings, SlotSet(set));
    ProgramRun run(folder, L"");
    ASSERT_TRUE(StartSaving(run, palette)) << "run " << i;
    tally.killed += killer.KillWhileSaving(run, palette, i);
    fileSet = tally.Sort(palette, written, fileSet, i);
    const Converted<std::vector<TColor>> loaded = win::LoadPaletteFile(palette.wstring(), codec);
    ASSERT_TRUE(loaded.ok()) << "run " << i << ": " << loaded.error();
    const PaletteSlots expected = SlotSet(fileSet);
    EXPECT_TRUE(
        std::equal(loaded.value().begin(), loaded.value().end(), expected.begin(), expected.end()))
        << "run " << i;
  }
  tally.Print("palette file");
  EXPECT_GT(tally.killed, 0) << "every run had ended before its kill";
}

}  // namespace
}  // namespace tw::test
