#pragma once

// The current user's list of programs that the system starts at logon: the
// string values under HKEY_CURRENT_USER's
// Software\Microsoft\Windows\CurrentVersion\Run.

#include <string>

namespace tw::win {

struct RegistryResult {
  bool ok = false;
  std::string error;  // the system's reason when not ok, UTF-8
};

// Whether the list holds a value of that name; false also when the list's
// key does not exist or cannot be read.
bool RunAtLogonEntryExists(const std::wstring& name);

// Writes the command as a string value of that name, replacing any other;
// creates the list's key when a fresh profile has none yet.
RegistryResult WriteRunAtLogonEntry(const std::wstring& name, const std::wstring& command);

// Removes the value; one that is not there, or a list with no key, counts as
// removed.
RegistryResult DeleteRunAtLogonEntry(const std::wstring& name);

// The command that starts the program file at `programPath` hidden in the
// notification area: the path in double quotes, a blank and "/autostart".
std::wstring RunAtLogonCommand(const std::wstring& programPath);

}  // namespace tw::win
