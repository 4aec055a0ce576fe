#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tw::win {

// The user this code runs as: from the thread's access token when it has
// one of its own (impersonation), else from the process's.
struct CurrentUser {
  std::vector<BYTE> sid;
  std::wstring account;
  std::wstring domain;
};

// Throws std::runtime_error with the system's reason when the token or the
// account cannot be read.
CurrentUser ReadCurrentUser();

// Who may use a named object that the program creates: its owner and group
// are the current user; the access list grants all rights to everyone, or
// to the current user alone.
class ObjectSecurity {
 public:
  enum class Grantee { kEveryone, kCurrentUser };

  // Throws std::runtime_error with the system's reason on failure.
  ObjectSecurity(const CurrentUser& user, Grantee grantee);
  ObjectSecurity(const ObjectSecurity&) = delete;
  ObjectSecurity& operator=(const ObjectSecurity&) = delete;

  SECURITY_ATTRIBUTES* Attributes() { return &attributes_; }

 private:
  std::vector<BYTE> owner_;
  std::vector<BYTE> everyone_;
  std::vector<BYTE> acl_;
  SECURITY_DESCRIPTOR descriptor_{};
  SECURITY_ATTRIBUTES attributes_{};
};

}  // namespace tw::win
