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

// What encoding a text gave: its bytes, or why there are none.
struct EncodedText {
  enum class Outcome {
    kEncoded,
    // Some character has no form in the code page; another encoding may
    // hold the text.
    kUnrepresentable,
    // The conversion itself failed: there is no text to write at all.
    kFailed,
  };
  Outcome outcome;
  std::string bytes;  // when encoded

  bool ok() const { return outcome == Outcome::kEncoded; }
  static EncodedText Encoded(std::string bytes) { return {Outcome::kEncoded, std::move(bytes)}; }
  static EncodedText Unrepresentable() { return {Outcome::kUnrepresentable, {}}; }
  static EncodedText Failed() { return {Outcome::kFailed, {}}; }
};

// Converts between an 8-bit code page and UTF-8. The platform layer supplies
// one for the system's code page.
class EightBitCodec {
 public:
  virtual ~EightBitCodec() = default;
  virtual std::string Decode(std::string_view bytes) const = 0;
  virtual EncodedText Encode(std::string_view utf8) const = 0;
};

// Windows-1252; its five unassigned bytes map to U+0081, U+008D, U+008F,
// U+0090 and U+009D, so every byte string survives a round trip.
class Windows1252Codec final : public EightBitCodec {
 public:
  std::string Decode(std::string_view bytes) const override;
  EncodedText Encode(std::string_view utf8) const override;
};

struct DecodedText {
  std::string utf8;
  TextEncoding encoding;
};

// Recognises a byte-order mark; without one the bytes are 8-bit text.
// Malformed input never fails: each byte or code unit that has no character
// becomes U+FFFD and decoding goes on after it.
DecodedText DecodeText(std::string_view bytes, const EightBitCodec& eightBit);

// `bytes` as UTF-8 with every byte that starts no well-formed sequence
// replaced by U+FFFD, for text that claims to be UTF-8 but comes from outside.
std::string WellFormedUtf8(std::string_view bytes);

// The bytes of `utf8` in `encoding`, byte-order mark included. Only 8-bit
// text can fail: a character it cannot hold, or a failed conversion.
EncodedText EncodeText(std::string_view utf8, TextEncoding encoding, const EightBitCodec& eightBit);

}  // namespace tw
