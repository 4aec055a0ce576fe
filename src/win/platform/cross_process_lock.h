#pragma once

#include <windows.h>

#include <string>

#include "win/platform/handles.h"
#include "win/platform/shared_memory.h"

namespace tw::win {

// A recursive lock that processes share by name: an auto-reset event and a
// 16-byte record of four 32-bit integers (spin count, lock count, owning
// thread id, recursion count). Copies of other builds take the same lock
// through the same objects, so the record's meaning is fixed.
class CrossProcessLock {
 public:
  // Creates or opens both objects with default security; throws
  // std::runtime_error with the system's reason on failure.
  CrossProcessLock(const std::wstring& eventName, const std::wstring& recordName);
  CrossProcessLock(const CrossProcessLock&) = delete;
  CrossProcessLock& operator=(const CrossProcessLock&) = delete;

  // Takes the lock, waiting at most `timeoutMs`; false when the wait ran out.
  bool Acquire(DWORD timeoutMs);
  void Release();

 private:
  bool TryAcquire();
  void TakeOwnership();

  KernelHandle event_;
  SharedMemory record_;
  volatile LONG* spinCount_;
  volatile LONG* lockCount_;
  volatile LONG* owner_;
  volatile LONG* recursion_;
};

// Holds a lock for a scope when it could be taken in time.
class HeldLock {
 public:
  HeldLock(CrossProcessLock& lock, DWORD timeoutMs) : lock_(lock), held_(lock.Acquire(timeoutMs)) {}
  HeldLock(const HeldLock&) = delete;
  HeldLock& operator=(const HeldLock&) = delete;
  ~HeldLock() {
    if (held_) lock_.Release();
  }
  explicit operator bool() const { return held_; }

 private:
  CrossProcessLock& lock_;
  bool held_;
};

}  // namespace tw::win
