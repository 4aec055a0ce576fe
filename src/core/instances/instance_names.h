#pragma once

// The names of the objects through which copies of one program file find
// each other. Every copy, of whatever build, derives the same names from the
// same path, so they are fixed to the letter.

#include <cstdint>
#include <string>
#include <string_view>

namespace tw {

struct InstanceObjectNames {
  std::string base;     // "JCL" and the upper-cased path, "\" made "_"
  std::string message;  // the registered window message of the notices
  std::string lock;     // the cross-process lock's own name
  std::string lockEvent;
  std::string lockRecord;
  std::string allList;      // every copy of every user and logon
  std::string sessionList;  // the copies of this logon
  std::string userList;     // the copies of this user
};

// `upperCasedPath` is the program file's full path, upper-cased by the
// locale's rules (which the caller's system knows, not this code); the
// names are UTF-8.
InstanceObjectNames MakeInstanceObjectNames(std::string_view upperCasedPath,
                                            std::uint32_t sessionId, std::string_view account,
                                            std::string_view domain);

}  // namespace tw
