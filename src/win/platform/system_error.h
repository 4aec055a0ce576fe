#pragma once

#include <windows.h>

#include <string>

namespace tw::win {

// The system's own words for an error code, on one line, in UTF-8; never
// empty, so a report always says why.
std::string SystemReason(DWORD error);

}  // namespace tw::win
