#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "win/platform/cross_process_lock.h"
#include "win/platform/shared_memory.h"

namespace tw::win {

// Keeps to one running copy per program file. Every copy registers its
// process id in three lists in named shared memory (all copies, this
// logon's, this user's) under a lock that the copies share; a start that
// finds the limit reached hands over to the oldest copy and ends. The
// objects' names, the lists' layout and the lock are shared with copies of
// other builds and never change.
class InstanceCoordinator {
 public:
  // Opens or creates the shared objects for the program file at
  // `programPath`. Throws std::runtime_error with the system's reason when
  // they cannot be made. Null when another copy held the lock for longer
  // than a start should wait: this start then runs on its own.
  static std::unique_ptr<InstanceCoordinator> Open(const std::wstring& programPath);
  // Takes this process out of the lists and tells the other copies.
  ~InstanceCoordinator();
  InstanceCoordinator(const InstanceCoordinator&) = delete;
  InstanceCoordinator& operator=(const InstanceCoordinator&) = delete;

  // Registers this process with a limit of one copy; when another copy runs
  // already, brings that copy to the front and answers false.
  bool CheckSingleInstance();

 private:
  enum List { kAll, kSession, kUser, kListCount };
  InstanceCoordinator() = default;
  // False when the lock could not be had in time.
  bool OpenLists(const std::wstring& programPath);
  bool Register(const std::array<std::uint16_t, kListCount>& limits);
  void ForgetEndedProcesses();
  // Posts a notice to every registered copy; the caller holds the lock.
  void Notify(WPARAM kind);
  DWORD OldestCopy();

  DWORD processId_ = GetCurrentProcessId();
  UINT noticeMessage_ = 0;
  std::unique_ptr<CrossProcessLock> lock_;
  std::array<std::unique_ptr<SharedMemory>, kListCount> lists_;
  bool registered_ = false;
};

}  // namespace tw::win
