#pragma once

#include <string>
#include <string_view>

namespace tw::win {

// The core speaks UTF-8; the window system speaks UTF-16.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace tw::win
