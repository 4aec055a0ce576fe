#pragma once

#include "core/text/text_encoding.h"

namespace tw::win {

// The system's 8-bit code page, as the window system converts it.
class AnsiCodec final : public EightBitCodec {
 public:
  std::string Decode(std::string_view bytes) const override;
  std::optional<std::string> Encode(std::string_view utf8) const override;
};

}  // namespace tw::win
