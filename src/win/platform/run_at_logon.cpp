#include "win/platform/run_at_logon.h"

#include <windows.h>

#include <utility>

#include "win/platform/handles.h"
#include "win/platform/system_error.h"

namespace tw::win {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void CloseRegistryKey(HKEY key) { RegCloseKey(key); }
// An open registry key, closed once.
using RegistryKey = OwnedHandle<HKEY, &CloseRegistryKey>;

RegistryResult Outcome(LSTATUS status) {
  if (status == ERROR_SUCCESS) return {true, {}};
  return {false, SystemReason(static_cast<DWORD>(status))};
}

}  // namespace

bool RunAtLogonEntryExists(const std::wstring& name) {
  RegistryKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, key.Receive()) !=
      ERROR_SUCCESS) {
    return false;
  }
  return RegQueryValueExW(key.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

RegistryResult WriteRunAtLogonEntry(const std::wstring& name, const std::wstring& command) {
  RegistryKey key;
  const LSTATUS opened = RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                         nullptr, key.Receive(), nullptr);
  if (opened != ERROR_SUCCESS) return Outcome(opened);
  const DWORD bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
  return Outcome(RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(command.c_str()), bytes));
}

RegistryResult DeleteRunAtLogonEntry(const std::wstring& name) {
  RegistryKey key;
  const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, key.Receive());
  if (opened == ERROR_FILE_NOT_FOUND) return {true, {}};
  if (opened != ERROR_SUCCESS) return Outcome(opened);
  const LSTATUS deleted = RegDeleteValueW(key.Get(), name.c_str());
  return Outcome(deleted == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : deleted);
}

std::wstring RunAtLogonCommand(const std::wstring& programPath) {
  return L"\"" + programPath + L"\" /autostart";
}

}  // namespace tw::win
