#include "win/app/instance_coordinator.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/instances/instance_names.h"
#include "core/instances/instance_record.h"
#include "win/platform/current_user.h"
#include "win/platform/text.h"
#include "win/platform/window_switching.h"

namespace tw::win {
namespace {

// Longer than any copy holds the lock in a healthy start; a copy that died
// holding it must not keep every later start waiting.
constexpr DWORD kLockTimeoutMs = 5000;
// Posting fails only while a copy's message queue is full.
constexpr int kPostAttempts = 10;
constexpr WPARAM kRegisteredNotice = 1;
constexpr WPARAM kEndedNotice = 2;

InstanceRecord RecordOf(const SharedMemory& memory) {
  return InstanceRecord(memory.Data(), kInstanceRecordSize);
}

std::wstring UpperCased(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

struct Notice {
  UINT message;
  WPARAM kind;
  LPARAM processId;
};

BOOL CALLBACK DeliverNotice(HWND window, LPARAM lParam) {
  const auto& notice = *reinterpret_cast<const Notice*>(lParam);
  SendNotifyMessageW(window, notice.message, notice.kind, notice.processId);
  return TRUE;
}

}  // namespace

std::unique_ptr<InstanceCoordinator> InstanceCoordinator::Open(const std::wstring& programPath) {
  std::unique_ptr<InstanceCoordinator> coordinator(new InstanceCoordinator);
  if (!coordinator->OpenLists(programPath)) return nullptr;
  return coordinator;
}

bool InstanceCoordinator::OpenLists(const std::wstring& programPath) {
  DWORD session = 0;
  ProcessIdToSessionId(processId_, &session);
  const CurrentUser user = ReadCurrentUser();
  const InstanceObjectNames names = MakeInstanceObjectNames(
      Narrow(UpperCased(programPath)), session, Narrow(user.account), Narrow(user.domain));
  noticeMessage_ = RegisterWindowMessageW(Widen(names.message).c_str());
  lock_ = std::make_unique<CrossProcessLock>(Widen(names.lockEvent), Widen(names.lockRecord));
  using Grantee = ObjectSecurity::Grantee;
  const std::pair<const std::string&, Grantee> lists[kListCount] = {
      {names.allList, Grantee::kEveryone},
      {names.sessionList, Grantee::kEveryone},
      {names.userList, Grantee::kCurrentUser}};
  for (int i = 0; i < kListCount; ++i) {
    ObjectSecurity security(user, lists[i].second);
    const HeldLock held(*lock_, kLockTimeoutMs);
    if (!held) return false;
    auto list = std::make_unique<SharedMemory>(Widen(lists[i].first), kInstanceRecordSize,
                                               security.Attributes());
    if (list->CreatedHere()) std::fill_n(list->Data(), kInstanceRecordSize, 0);
    lists_[i] = std::move(list);
  }
  return true;
}

InstanceCoordinator::~InstanceCoordinator() {
  if (!registered_) return;
  const HeldLock held(*lock_, kLockTimeoutMs);
  // Without the lock the id stays listed until a later start finds that
  // this process has ended.
  if (!held) return;
  for (const auto& list : lists_) UnregisterInstance(RecordOf(*list), processId_);
  Notify(kEndedNotice);
}

bool InstanceCoordinator::CheckSingleInstance() {
  if (Register({1, 0, 0})) return true;
  if (HWND running = FindApplicationWindow(OldestCopy())) BringApplicationToFront(running);
  return false;
}

bool InstanceCoordinator::Register(const std::array<std::uint16_t, kListCount>& limits) {
  const HeldLock held(*lock_, kLockTimeoutMs);
  if (!held) return true;  // this start runs on its own
  ForgetEndedProcesses();
  bool allowed = true;
  for (int i = 0; i < kListCount; ++i) {
    // Every list registers this process, whatever the answer.
    allowed = RegisterInstance(RecordOf(*lists_[i]), limits[i], processId_) && allowed;
  }
  registered_ = true;
  if (allowed) Notify(kRegisteredNotice);
  return allowed;
}

void InstanceCoordinator::ForgetEndedProcesses() {
  // A copy that was ended by force never took itself out; left listed, it
  // would refuse every later start for as long as the lists live on.
  for (const auto& list : lists_) {
    const InstanceRecord record = RecordOf(*list);
    std::vector<std::uint32_t> ids = InstanceIds(record);
    // Iterator algorithms, not ranges: clang 14 cannot compile libstdc++ 12's
    // ranges, and the second compiler's build must keep working.
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    for (std::uint32_t id : ids) {
      if (id == processId_ || !ProcessHasEnded(id)) continue;
      while (UnregisterInstance(record, id)) {
      }
    }
  }
}

void InstanceCoordinator::Notify(WPARAM kind) {
  const Notice notice{noticeMessage_, kind, static_cast<LPARAM>(processId_)};
  for (std::uint32_t id : InstanceIds(RecordOf(*lists_[kAll]))) {
    HWND application = FindApplicationWindow(id);
    if (!application) continue;
    const DWORD thread = GetWindowThreadProcessId(application, nullptr);
    for (int attempt = 0; attempt < kPostAttempts && IsWindow(application); ++attempt) {
      if (PostThreadMessageW(thread, notice.message, notice.kind, notice.processId)) break;
      if (GetLastError() == ERROR_INVALID_THREAD_ID) break;
      Sleep(1);
    }
    EnumThreadWindows(thread, &DeliverNotice, reinterpret_cast<LPARAM>(&notice));
  }
}

DWORD InstanceCoordinator::OldestCopy() {
  const HeldLock held(*lock_, kLockTimeoutMs);
  return held ? InstanceIdAt(RecordOf(*lists_[kAll]), 0) : 0;
}

}  // namespace tw::win
