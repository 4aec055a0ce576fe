#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tw::test {

using namespace std::chrono_literals;

// Polls the condition, letting this thread's window events run in between,
// until it holds or the deadline passes. Answers the last result.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 10s);

// Puts the pointer at a screen point and waits until it stays there: under
// Wine a move that an earlier warp of the pointer left queued can still
// arrive and put it back. False when it never settled.
bool MovePointerTo(POINT target);

// A fresh folder under the temporary folder, removed again with everything
// in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& path);
// The keys of a settings file's text, in file order.
std::vector<std::string> IniKeys(const std::string& text);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
// The names of the entries of a folder, in the order the system lists them.
std::vector<std::filesystem::path> FileNamesIn(const std::filesystem::path& folder);

// The first top-level window of the process with that class name.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);
std::wstring WindowText(HWND window);
// The color a user sees at a point of the window's client area.
COLORREF ScreenPixel(HWND window, POINT client);
// What a user sees in a rectangle of the window's client area, row by row,
// read from the screen in one block copy.
std::vector<COLORREF> ScreenArea(HWND window, const RECT& area);

// Runs `open`, which shows a popup menu and waits in it, and closes the
// menu with Escape as soon as it shows, as a user who changes their mind does.
void DismissMenuOpenedBy(const std::function<void()>& open);

// The real Tintwright.exe, copied from beside the test program into a
// folder of its own (so that its settings file lands there), unless an
// earlier run put it there, and started with the given arguments. Ended by
// force if a test leaves it running.
class ProgramRun {
 public:
  ProgramRun(const TempFolder& folder, const std::wstring& arguments);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  DWORD ProcessId() const { return process_.dwProcessId; }
  // Ends the process at once, as a crash or a kill from outside does;
  // answers whether it was still running to be ended.
  bool Terminate();
  // The main window once it exists (visible or not); null on time-out.
  HWND WaitForMainWindow();
  // Waits until the process has handled all its start-up work.
  bool WaitForIdle();
  // The exit code, or STILL_ACTIVE on time-out.
  DWORD WaitForExit(std::chrono::milliseconds timeout = 20s);
  std::filesystem::path SettingsFile() const;
  std::filesystem::path ProgramFile() const { return folder_ / L"Tintwright.exe"; }

 private:
  std::filesystem::path folder_;
  PROCESS_INFORMATION process_{};
};

// A modal message box found on the screen: its caption and text.
struct MessageBoxSeen {
  std::wstring caption;
  std::wstring text;
};

// The message box of that process (any process when 0) once it shows, with
// its caption and text; false on time-out.
bool WaitForMessageBox(DWORD processId, MessageBoxSeen& seen, HWND& box,
                       std::chrono::milliseconds timeout = 10s);
// Presses the box's OK button.
void PressOk(HWND box);
// Types `fileName` into an open or save dialog's file name box (of any
// process) and presses its OK button.
void AnswerFileDialog(HWND dialog, const std::wstring& fileName);

// Answers every dialog box of this process from a thread of its own, so that
// code which shows one modally can run to its end in a test: a message box
// with OK, a file dialog with the given file name. Records what it saw.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::filesystem::path fileName = {});
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;
  std::vector<MessageBoxSeen> Seen();

 private:
  void Answer(HWND dialog);

  std::filesystem::path fileName_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<MessageBoxSeen> seen_;
  std::thread thread_;
};
using MessageBoxAnswerer = DialogAnswerer;

}  // namespace tw::test
