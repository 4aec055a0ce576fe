#include "win/platform/cross_process_lock.h"

#include <stdexcept>

#include "win/platform/system_error.h"
#include "win/platform/text.h"

namespace tw::win {
namespace {

constexpr std::size_t kRecordSize = 16;
// Spinning only pays when another processor can release the lock meanwhile.
constexpr LONG kMultiprocessorSpinCount = 4000;

LONG ThisThread() { return static_cast<LONG>(GetCurrentThreadId()); }

}  // namespace

CrossProcessLock::CrossProcessLock(const std::wstring& eventName, const std::wstring& recordName)
    : event_(CreateEventW(nullptr, FALSE, FALSE, eventName.c_str())),
      record_(recordName, kRecordSize, nullptr) {
  if (!event_.Get()) {
    throw std::runtime_error("Cannot create the event " + Narrow(eventName) + ": " +
                             SystemReason(GetLastError()));
  }
  auto* fields = reinterpret_cast<volatile LONG*>(record_.Data());
  spinCount_ = fields;
  lockCount_ = fields + 1;
  owner_ = fields + 2;
  recursion_ = fields + 3;
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  if (system.dwNumberOfProcessors > 1) *spinCount_ = kMultiprocessorSpinCount;
}

void CrossProcessLock::TakeOwnership() {
  *owner_ = ThisThread();
  *recursion_ = 1;
}

bool CrossProcessLock::TryAcquire() {
  LONG spins = *spinCount_;
  do {
    if (InterlockedCompareExchange(lockCount_, 1, 0) == 0) {
      TakeOwnership();
      return true;
    }
    if (*owner_ == ThisThread()) {
      InterlockedIncrement(lockCount_);
      *recursion_ = *recursion_ + 1;
      return true;
    }
  } while (--spins > 0);
  return false;
}

bool CrossProcessLock::Acquire(DWORD timeoutMs) {
  if (TryAcquire()) return true;
  if (InterlockedIncrement(lockCount_) == 1) {
    TakeOwnership();
    return true;
  }
  if (*owner_ == ThisThread()) {
    *recursion_ = *recursion_ + 1;
    return true;
  }
  if (WaitForSingleObject(event_.Get(), timeoutMs) == WAIT_OBJECT_0) {
    TakeOwnership();
    return true;
  }
  // A waiter that gives up keeps its place in the count. Taking it back
  // could race with an owner that is handing the lock over right now and
  // leave the event signalled for nobody, letting two processes in at once;
  // a place kept only makes each later release wake a waiter, who then owns
  // the lock alone.
  return false;
}

void CrossProcessLock::Release() {
  *recursion_ = *recursion_ - 1;
  if (*recursion_ > 0) {
    InterlockedDecrement(lockCount_);
    return;
  }
  *owner_ = 0;
  if (InterlockedDecrement(lockCount_) > 0) SetEvent(event_.Get());
}

}  // namespace tw::win
