#pragma once

#include <windows.h>

#include "core/text/text_encoding.h"

namespace tw::win {

// The two conversions of a code page: the system's own, or in a test a
// stand-in that sees what the codec passes them.
struct CodePageConversions {
  decltype(&MultiByteToWideChar) toWide = &MultiByteToWideChar;
  decltype(&WideCharToMultiByte) fromWide = &WideCharToMultiByte;
};

// An 8-bit code page (the system's unless told another), as the window
// system converts it.
class AnsiCodec final : public EightBitCodec {
 public:
  explicit AnsiCodec(UINT codePage = GetACP(), CodePageConversions conversions = {})
      : codePage_(codePage), conversions_(conversions) {}

  std::string Decode(std::string_view bytes) const override;
  EncodedText Encode(std::string_view utf8) const override;

 private:
  UINT codePage_;
  CodePageConversions conversions_;
};

}  // namespace tw::win
