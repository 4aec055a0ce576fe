#include "win/platform/system_error.h"

#include <iterator>

#include "win/platform/text.h"

namespace tw::win {

std::string SystemReason(DWORD error) {
  wchar_t text[512];
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK,
      nullptr, error, 0, text, static_cast<DWORD>(std::size(text)), nullptr);
  while (length > 0 &&
         (text[length - 1] == L' ' || text[length - 1] == L'\r' || text[length - 1] == L'\n')) {
    --length;
  }
  if (length == 0) return "System error " + std::to_string(error) + ".";
  return Narrow(std::wstring_view(text, length));
}

}  // namespace tw::win
