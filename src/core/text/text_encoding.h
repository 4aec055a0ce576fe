#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// How a text file stores its characters; files are written back the way
// they were read.
enum class TextEncoding {
  kEightBit,    // the system's 8-bit code page, no byte-order mark
  kUtf8Bom,     // UTF-8 after EF BB BF
  kUtf16LeBom,  // UTF-16 little endian after FF FE
  kUtf16BeBom,  // UTF-16 big endian after FE FF
};

// Converts between an 8-bit code page and UTF-8. The platform layer supplies
// one for the system's code page.
class EightBitCodec {
 public:
  virtual ~EightBitCodec() = default;
  virtual std::string Decode(std::string_view bytes) const = 0;
  // Nothing when some character has no form in the code page.
  virtual std::optional<std::string> Encode(std::string_view utf8) const = 0;
};

// Windows-1252; its five unassigned bytes map to U+0081, U+008D, U+008F,
// U+0090 and U+009D, so every byte string survives a round trip.
class Windows1252Codec final : public EightBitCodec {
 public:
  std::string Decode(std::string_view bytes) const override;
  std::optional<std::string> Encode(std::string_view utf8) const override;
};

struct DecodedText {
  std::string utf8;
  TextEncoding encoding;
};

// Recognises a byte-order mark; without one the bytes are 8-bit text.
// Malformed input never fails: each byte or code unit that has no character
// becomes U+FFFD and decoding goes on after it.
DecodedText DecodeText(std::string_view bytes, const EightBitCodec& eightBit);

// The bytes of `utf8` in `encoding`, byte-order mark included. Nothing when
// 8-bit text cannot hold every character.
std::optional<std::string> EncodeText(std::string_view utf8, TextEncoding encoding,
                                      const EightBitCodec& eightBit);

}  // namespace tw
