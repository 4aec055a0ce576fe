#include "core/instances/instance_names.h"

#include <algorithm>

namespace tw {

InstanceObjectNames MakeInstanceObjectNames(std::string_view upperCasedPath,
                                            std::uint32_t sessionId, std::string_view account,
                                            std::string_view domain) {
  // A "\" would make a kernel object name a path into another namespace.
  std::string base = "JCL" + std::string(upperCasedPath);
  std::ranges::replace(base, '\\', '_');
  InstanceObjectNames names;
  names.message = base + "_Msg";
  names.lock = base + "_Otx";
  names.lockEvent = "Optex_Event_" + names.lock;
  names.lockRecord = "Optex_MMF_" + names.lock;
  names.allList = base + "_All";
  names.sessionList = base + "_Session_" + std::to_string(sessionId);
  names.userList = base + "_User_" + std::string(account) + "_" + std::string(domain);
  names.base = std::move(base);
  return names;
}

}  // namespace tw
