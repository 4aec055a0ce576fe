#include "win/platform/current_user.h"

#include <stdexcept>

#include "win/platform/handles.h"
#include "win/platform/system_error.h"

namespace tw::win {
namespace {

// All standard and specific rights of a section or an event.
constexpr DWORD kAllAccess = 0xF001F;

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + SystemReason(GetLastError()));
}

KernelHandle OpenUserToken() {
  HANDLE token = nullptr;
  if (OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token)) return KernelHandle(token);
  if (GetLastError() != ERROR_NO_TOKEN) ThrowLastError("Cannot read the thread's access token");
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    ThrowLastError("Cannot read the process's access token");
  return KernelHandle(token);
}

std::vector<BYTE> TokenUserSid(HANDLE token) {
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
    ThrowLastError("Cannot read the user of the access token");
  const PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
  const BYTE* first = static_cast<const BYTE*>(sid);
  return std::vector<BYTE>(first, first + GetLengthSid(sid));
}

}  // namespace

CurrentUser ReadCurrentUser() {
  CurrentUser user;
  user.sid = TokenUserSid(OpenUserToken().Get());
  DWORD accountLength = 0;
  DWORD domainLength = 0;
  SID_NAME_USE use;
  const PSID sid = user.sid.data();
  LookupAccountSidW(nullptr, sid, nullptr, &accountLength, nullptr, &domainLength, &use);
  std::wstring account(accountLength, L'\0');
  std::wstring domain(domainLength, L'\0');
  if (accountLength == 0 || !LookupAccountSidW(nullptr, sid, account.data(), &accountLength,
                                               domain.data(), &domainLength, &use)) {
    ThrowLastError("Cannot look up the user's account");
  }
  account.resize(accountLength);
  domain.resize(domainLength);
  user.account = std::move(account);
  user.domain = std::move(domain);
  return user;
}

ObjectSecurity::ObjectSecurity(const CurrentUser& user, Grantee grantee) : owner_(user.sid) {
  PSID granted = owner_.data();
  if (grantee == Grantee::kEveryone) {
    DWORD size = SECURITY_MAX_SID_SIZE;
    everyone_.resize(size);
    if (!CreateWellKnownSid(WinWorldSid, nullptr, everyone_.data(), &size))
      ThrowLastError("Cannot make the security of the shared objects");
    granted = everyone_.data();
  }
  acl_.resize(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(granted));
  auto* acl = reinterpret_cast<ACL*>(acl_.data());
  if (!InitializeAcl(acl, static_cast<DWORD>(acl_.size()), ACL_REVISION) ||
      !AddAccessAllowedAce(acl, ACL_REVISION, kAllAccess, granted) ||
      !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
      !SetSecurityDescriptorOwner(&descriptor_, owner_.data(), FALSE) ||
      !SetSecurityDescriptorGroup(&descriptor_, owner_.data(), FALSE) ||
      !SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE)) {
    ThrowLastError("Cannot make the security of the shared objects");
  }
  attributes_.nLength = sizeof(attributes_);
  attributes_.lpSecurityDescriptor = &descriptor_;
  attributes_.bInheritHandle = FALSE;
}

}  // namespace tw::win
