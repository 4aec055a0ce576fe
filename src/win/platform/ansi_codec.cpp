#include "win/platform/ansi_codec.h"

#include <windows.h>

#include "win/platform/text.h"

namespace tw::win {

std::string AnsiCodec::Decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return Narrow(wide);
}

std::optional<std::string> AnsiCodec::Encode(std::string_view utf8) const {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                         0, nullptr, &lossy);
  if (lossy) return std::nullopt;
  std::string bytes(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, bytes.data(), length,
                      nullptr, nullptr);
  return bytes;
}

}  // namespace tw::win
