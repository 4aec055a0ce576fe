#include "win/platform/ansi_codec.h"

#include "win/platform/text.h"

namespace tw::win {

std::string AnsiCodec::Decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = conversions_.toWide(codePage_, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  const int converted = conversions_.toWide(codePage_, 0, bytes.data(), size, wide.data(), length);
  wide.resize(static_cast<size_t>(converted > 0 ? converted : 0));
  return Narrow(wide);
}

EncodedText AnsiCodec::Encode(std::string_view utf8) const {
  const std::wstring wide = Widen(utf8);
  if (wide.empty()) return EncodedText::Encoded({});
  const int size = static_cast<int>(wide.size());
  // UTF-8 holds every character, and Windows refuses both the best-fit flag
  // and the question whether a default character was used for it: the call
  // would fail and give no text at all.
  const bool utf8Page = codePage_ == CP_UTF8;
  const DWORD flags = utf8Page ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL lossy = FALSE;
  BOOL* const usedDefault = utf8Page ? nullptr : &lossy;
  const int length =
      conversions_.fromWide(codePage_, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
  if (length <= 0) return EncodedText::Failed();
  if (lossy) return EncodedText::Unrepresentable();
  std::string bytes(static_cast<size_t>(length), '\0');
  const int written = conversions_.fromWide(codePage_, flags, wide.data(), size, bytes.data(),
                                            length, nullptr, nullptr);
  if (written != length) return EncodedText::Failed();
  return EncodedText::Encoded(std::move(bytes));
}

}  // namespace tw::win
