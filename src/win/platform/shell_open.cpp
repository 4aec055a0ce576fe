#include "win/platform/shell_open.h"

#include <shellapi.h>

namespace tw::win {

bool ShellOpen(const ShellOpenRequest& request) {
  const HINSTANCE result = ShellExecuteW(
      request.owner, L"open", request.target.c_str(),
      request.parameters.empty() ? nullptr : request.parameters.c_str(), nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace tw::win
