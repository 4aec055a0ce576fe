#include "win/platform/version_info.h"

#include <windows.h>

#include <vector>

namespace tw::win {

std::wstring ReadProgramVersion() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return L"0.0";
  std::vector<std::byte> data(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!GetFileVersionInfoW(path, 0, size, data.data()) ||
      !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info) {
    return L"0.0";
  }
  return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." +
         std::to_wstring(LOWORD(info->dwFileVersionMS));
}

}  // namespace tw::win
