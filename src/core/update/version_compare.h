#pragma once

// Version numbers of the form major.minor, and what the latest one means for
// the running program.

#include <string_view>

namespace tw {

// The text before the first "." read as an integer; 0 when it is not one,
// or when the text has no ".".
int MajorVersionNumber(std::string_view version);
// All the text after the first "." read as an integer (the whole text when
// there is no "."); 0 when it is not one, so "10.2.1" has minor 0.
int MinorVersionNumber(std::string_view version);

enum class UpdateOutcome { kMajorUpgrade, kMinorUpgrade, kUpToDate };

// A higher major number is a major upgrade; the same major number with a
// higher minor number a minor one. Anything else, an older version on the
// server included, is up to date.
UpdateOutcome CompareWithRunningVersion(std::string_view running, std::string_view latest);

}  // namespace tw
