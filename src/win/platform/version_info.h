#pragma once

#include <string>

namespace tw::win {

// "major.minor" of the program file's version resource, for example "1.0";
// "0.0" when the file carries none.
std::wstring ReadProgramVersion();

}  // namespace tw::win
