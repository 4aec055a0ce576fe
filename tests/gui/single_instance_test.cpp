// Two real processes of the same exe, and the shared lists they meet in.
#include <windows.h>
#include <aclapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <iostream>

#include "test_support.h"
#include "win/platform/text.h"
#include "win/window/command_ids.h"

namespace tw::test {
namespace {

constexpr size_t kRecordSize = 1032;

// The names are spelled out here, not taken from the program's code: other
// copies find the objects by exactly these names.
std::wstring BaseName(const std::filesystem::path& program) {
  std::wstring base = L"JCL" + program.wstring();
  CharUpperBuffW(base.data(), static_cast<DWORD>(base.size()));
  std::replace(base.begin(), base.end(), L'\\', L'_');
  return base;
}

std::wstring UserListName(const std::filesystem::path& program) {
  wchar_t account[256] = {};
  DWORD size = 256;
  GetUserNameW(account, &size);
  wchar_t domain[256] = {};
  wchar_t ignored[256] = {};
  DWORD sidSize = sizeof(ignored);
  DWORD domainSize = 256;
  SID_NAME_USE use;
  LookupAccountNameW(nullptr, account, ignored, &sidSize, domain, &domainSize, &use);
  return BaseName(program) + L"_User_" + account + L"_" + domain;
}

std::wstring SessionListName(const std::filesystem::path& program) {
  DWORD session = 0;
  ProcessIdToSessionId(GetCurrentProcessId(), &session);
  return BaseName(program) + L"_Session_" + std::to_wstring(session);
}

// A view of one shared list, kept open by the test.
class SharedList {
 public:
  // Opens the list as it is, or makes it when `create` and none exists.
  SharedList(const std::wstring& name, bool create) {
    mapping_ = create ? CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                           kRecordSize, name.c_str())
                      : OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE | READ_CONTROL, FALSE,
                                         name.c_str());
    if (mapping_)
      bytes_ = static_cast<std::uint8_t*>(
          MapViewOfFile(mapping_, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, kRecordSize));
  }
  ~SharedList() {
    if (bytes_) UnmapViewOfFile(bytes_);
    if (mapping_) CloseHandle(mapping_);
  }
  SharedList(const SharedList&) = delete;
  SharedList& operator=(const SharedList&) = delete;

  bool Open() const { return bytes_ != nullptr; }
  std::uint8_t* Bytes() const { return bytes_; }
  HANDLE Mapping() const { return mapping_; }
  std::uint16_t Word(size_t offset) const {
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  std::uint32_t Id(size_t index) const {
    std::uint32_t id;
    std::memcpy(&id, bytes_ + 4 + 4 * index, 4);
    return id;
  }
  std::uint16_t Limit() const { return Word(0); }
  std::uint16_t Count() const { return Word(2); }
  void Fill(std::uint16_t limit, std::uint16_t count, std::uint32_t id) {
    std::memcpy(bytes_, &limit, 2);
    std::memcpy(bytes_ + 2, &count, 2);
    for (size_t i = 0; i < 257; ++i) std::memcpy(bytes_ + 4 + 4 * i, &id, 4);
  }

 private:
  HANDLE mapping_ = nullptr;
  std::uint8_t* bytes_ = nullptr;
};

HWND VisibleMainWindow(ProgramRun& run) {
  HWND window = run.WaitForMainWindow();
  if (window && !WaitUntil([&] { return IsWindowVisible(window) != FALSE; })) return nullptr;
  return window;
}

// Waits for the process to end while this thread answers what is sent to
// its windows: a copy that takes the foreground from the test's window, or
// gives it back, waits for that window's thread.
DWORD ExitCodeOf(ProgramRun& run) {
  WaitUntil([&] { return run.WaitForExit(0ms) != STILL_ACTIVE; }, 20s);
  return run.WaitForExit(0ms);
}

bool EndByExitCommand(ProgramRun& run) {
  HWND window = FindProcessWindow(run.ProcessId(), L"TfrmColorPick");
  PostMessageW(window, WM_COMMAND, win::kExitCommand, 0);
  return ExitCodeOf(run) == 0;
}

DWORD ForegroundProcess() {
  DWORD processId = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &processId);
  return processId;
}

// A window of the test's own in front, so that a hand-over shows.
class ForegroundWindow {
 public:
  ForegroundWindow()
      : window_(CreateWindowExW(0, L"STATIC", L"in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
    SetForegroundWindow(window_);
  }
  ~ForegroundWindow() { DestroyWindow(window_); }
  bool InFront() const {
    return WaitUntil([&] { return GetForegroundWindow() == window_; });
  }

 private:
  HWND window_;
};

struct HandOverCase {
  const char* name;
  bool hideFirst;
};

void PrintTo(const HandOverCase& c, std::ostream* out) { *out << c.name; }

class HandOver : public testing::TestWithParam<HandOverCase> {};

TEST_P(HandOver, SecondStartBringsTheFirstForwardAndEnds) {
  TempFolder folder;
  ProgramRun first(folder, L"");
  HWND firstWindow = VisibleMainWindow(first);
  ASSERT_NE(firstWindow, nullptr);
  HWND firstApplication = FindProcessWindow(first.ProcessId(), L"TApplication");
  if (GetParam().hideFirst) {
    // As its taskbar button would: minimizing hides the program to the tray.
    PostMessageW(firstApplication, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(firstWindow); }));
  }
  ForegroundWindow mine;
  ASSERT_TRUE(mine.InFront());

  const auto started = std::chrono::steady_clock::now();
  ProgramRun second(folder, L"");
  EXPECT_EQ(ExitCodeOf(second), 0u);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  RecordProperty("second_start_ms", static_cast<int>(took.count()));
  std::cout << "the second start ended after " << took.count() << " ms\n";
  // Start-up and hand-over take well under a second; this bound only tells
  // them from a start that waited for the lock's time-out of five.
  EXPECT_LT(took, std::chrono::seconds(4));

  EXPECT_TRUE(WaitUntil([&] {
    return IsWindowVisible(firstWindow) && IsWindowVisible(firstApplication) &&
           !IsIconic(firstApplication) && ForegroundProcess() == first.ProcessId();
  }));
  SharedList all(BaseName(first.ProgramFile()) + L"_All", false);
  ASSERT_TRUE(all.Open());
  EXPECT_EQ(all.Count(), 1) << "the refused start took itself out again";
  EXPECT_EQ(all.Id(0), first.ProcessId());
  EXPECT_TRUE(EndByExitCommand(first));
}

INSTANTIATE_TEST_SUITE_P(States, HandOver,
                         testing::Values(HandOverCase{"FirstShown", false},
                                         HandOverCase{"FirstHiddenInTheTray", true}),
                         [](const testing::TestParamInfo<HandOverCase>& info) {
                           return info.param.name;
                         });

struct BesideCase {
  const char* name;
  const wchar_t* firstArguments;
  const wchar_t* secondArguments;
  bool otherFolder;
};

void PrintTo(const BesideCase& c, std::ostream* out) { *out << c.name; }

class RunsBeside : public testing::TestWithParam<BesideCase> {};

TEST_P(RunsBeside, SecondStartRunsToo) {
  TempFolder folder;
  TempFolder otherFolder;
  ProgramRun first(folder, GetParam().firstArguments);
  ASSERT_NE(VisibleMainWindow(first), nullptr);
  ProgramRun second(GetParam().otherFolder ? otherFolder : folder, GetParam().secondArguments);
  EXPECT_NE(VisibleMainWindow(second), nullptr);
  EXPECT_TRUE(EndByExitCommand(second));
  EXPECT_TRUE(EndByExitCommand(first));
}

INSTANTIATE_TEST_SUITE_P(
    Starts, RunsBeside,
    testing::Values(BesideCase{"MultiBesideARunningCopy", L"", L"/multi", false},
                    BesideCase{"NormalStartAfterAMultiStart", L"/multi", L"", false},
                    BesideCase{"NormalStartAfterANoTrayStart", L"/notray", L"", false},
                    BesideCase{"CopiesInTwoFolders", L"", L"", true}),
    [](const testing::TestParamInfo<BesideCase>& info) { return info.param.name; });

TEST(SingleInstance, SharedObjectsHaveTheirNamesLayoutAndSecurity) {
  TempFolder folder;
  ProgramRun run(folder, L"");
  ASSERT_NE(VisibleMainWindow(run), nullptr);
  const std::wstring base = BaseName(run.ProgramFile());
  struct ListCase {
    std::wstring name;
    std::uint16_t limit;
    bool everyone;
  };
  const ListCase lists[] = {{base + L"_All", 1, true},
                            {SessionListName(run.ProgramFile()), 0, true},
                            {UserListName(run.ProgramFile()), 0, false}};
  for (const ListCase& list : lists) {
    SCOPED_TRACE(testing::Message() << "list " << win::Narrow(list.name));
    SharedList shared(list.name, false);
    ASSERT_TRUE(shared.Open());
    EXPECT_EQ(shared.Limit(), list.limit);
    EXPECT_EQ(shared.Count(), 1);
    EXPECT_EQ(shared.Id(0), run.ProcessId());
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_EQ(GetSecurityInfo(shared.Mapping(), SE_KERNEL_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, &dacl, nullptr, &descriptor),
              static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_NE(dacl, nullptr);
    ASSERT_EQ(dacl->AceCount, 1);
    ACCESS_ALLOWED_ACE* ace = nullptr;
    ASSERT_TRUE(GetAce(dacl, 0, reinterpret_cast<void**>(&ace)));
    EXPECT_EQ(ace->Mask, 0xF001Fu);
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(everyone);
    CreateWellKnownSid(WinWorldSid, nullptr, everyone, &size);
    EXPECT_EQ(EqualSid(&ace->SidStart, everyone) != FALSE, list.everyone);
    LocalFree(descriptor);
  }
  HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, (L"Optex_Event_" + base + L"_Otx").c_str());
  EXPECT_NE(event, nullptr);
  CloseHandle(event);
  SharedList lockRecord(L"Optex_MMF_" + base + L"_Otx", false);
  EXPECT_TRUE(lockRecord.Open());
  EXPECT_NE(RegisterWindowMessageW((base + L"_Msg").c_str()), 0u);
  EXPECT_TRUE(EndByExitCommand(run));
}

TEST(SingleInstance, CopyEndedByForceDoesNotKeepALaterStartFromRunning) {
  TempFolder folder;
  ProgramRun first(folder, L"");
  ASSERT_NE(VisibleMainWindow(first), nullptr);
  // Held open here, the list outlives the copy, which never takes itself out.
  SharedList all(BaseName(first.ProgramFile()) + L"_All", false);
  ASSERT_TRUE(all.Open());
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, first.ProcessId());
  ASSERT_TRUE(TerminateProcess(process, 1));
  WaitForSingleObject(process, 10000);
  CloseHandle(process);
  ASSERT_EQ(all.Count(), 1);

  ProgramRun second(folder, L"");
  EXPECT_NE(VisibleMainWindow(second), nullptr);
  EXPECT_EQ(all.Count(), 1);
  EXPECT_EQ(all.Id(0), second.ProcessId());
  EXPECT_TRUE(EndByExitCommand(second));
  EXPECT_EQ(all.Count(), 0);
}

TEST(SingleInstance, StartGoesOnAloneWhenTheLockIsHeldTooLong) {
  TempFolder folder;
  // As a copy that hangs, or died, holding the lock: taken by a thread that
  // will not give it back while the start waits.
  const std::wstring lock = BaseName(folder.Path() / L"Tintwright.exe") + L"_Otx";
  HANDLE event = CreateEventW(nullptr, FALSE, FALSE, (L"Optex_Event_" + lock).c_str());
  SharedList record(L"Optex_MMF_" + lock, true);
  ASSERT_TRUE(record.Open());
  const std::uint32_t taken[] = {0, 1, GetCurrentThreadId(), 1};
  std::memcpy(record.Bytes(), taken, sizeof(taken));

  const auto started = std::chrono::steady_clock::now();
  ProgramRun run(folder, L"");
  HWND window = nullptr;
  EXPECT_TRUE(WaitUntil(
      [&] {
        window = FindProcessWindow(run.ProcessId(), L"TfrmColorPick");
        return window && IsWindowVisible(window);
      },
      30s));
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - started);
  std::cout << "the start waited for the lock and showed after " << took.count() << " ms\n";
  // Not registered: it made no lists.
  SharedList all(BaseName(run.ProgramFile()) + L"_All", false);
  EXPECT_FALSE(all.Open());
  EXPECT_TRUE(EndByExitCommand(run));
  CloseHandle(event);
}

// A list that some other process wrote with a count past the record's end:
// full of ids of processes that have ended, or of one that runs.
struct CorruptListCase {
  const char* name;
  bool liveIds;
  bool runs;
};

void PrintTo(const CorruptListCase& c, std::ostream* out) { *out << c.name; }

class CorruptList : public testing::TestWithParam<CorruptListCase> {};

TEST_P(CorruptList, NeitherCrashesNorHangsAStart) {
  TempFolder folder;
  SharedList all(BaseName(folder.Path() / L"Tintwright.exe") + L"_All", true);
  ASSERT_TRUE(all.Open());
  all.Fill(1, 65535, GetParam().liveIds ? GetCurrentProcessId() : 0);

  ProgramRun run(folder, L"");
  if (GetParam().runs) {
    EXPECT_NE(VisibleMainWindow(run), nullptr);
    EXPECT_EQ(all.Count(), 1) << "the ended ones were taken out";
    EXPECT_EQ(all.Id(0), run.ProcessId());
    EXPECT_TRUE(EndByExitCommand(run));
  } else {
    // The list is full: the start is refused, writes nothing, and ends.
    EXPECT_EQ(ExitCodeOf(run), 0u);
    EXPECT_EQ(all.Count(), 65535);
  }
}

INSTANTIATE_TEST_SUITE_P(Lists, CorruptList,
                         testing::Values(CorruptListCase{"EndedProcesses", false, true},
                                         CorruptListCase{"ARunningProcess", true, false}),
                         [](const testing::TestParamInfo<CorruptListCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace tw::test
