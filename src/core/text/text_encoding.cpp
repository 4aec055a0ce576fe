#include "core/text/text_encoding.h"

#include <algorithm>
#include <array>

namespace tw {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Windows-1252 bytes 0x80..0x9F.
constexpr std::array<char32_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// One well-formed UTF-8 sequence at the start of `text`: its code point and
// length, or nothing. Overlong forms, surrogates and values beyond U+10FFFF
// are not well-formed.
struct Utf8Sequence {
  char32_t cp;
  std::size_t length;
};

std::optional<Utf8Sequence> ReadUtf8Sequence(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(0);
  if (lead < 0x80) return Utf8Sequence{lead, 1};
  std::size_t length = 0;
  unsigned secondMin = 0x80;
  unsigned secondMax = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) secondMin = 0xA0;
    if (lead == 0xED) secondMax = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) secondMin = 0x90;
    if (lead == 0xF4) secondMax = 0x8F;
  } else {
    return std::nullopt;
  }
  if (text.size() < length || byte(1) < secondMin || byte(1) > secondMax) return std::nullopt;
  char32_t cp = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  return Utf8Sequence{cp, length};
}

std::u32string CodePointsOf(std::string_view utf8) {
  std::u32string cps;
  while (!utf8.empty()) {
    const auto sequence = ReadUtf8Sequence(utf8);
    cps += sequence ? sequence->cp : kReplacement;
    utf8.remove_prefix(sequence ? sequence->length : 1);
  }
  return cps;
}

std::string Utf8Of(std::u32string_view cps) {
  std::string out;
  out.reserve(cps.size());
  for (char32_t cp : cps) AppendUtf8(out, cp);
  return out;
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u32string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t first = static_cast<unsigned char>(bytes[i]);
    const char32_t second = static_cast<unsigned char>(bytes[i + 1]);
    units += bigEndian ? (first << 8) | second : (second << 8) | first;
  }
  std::u32string cps;
  cps.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      cps += 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    } else {
      cps += IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit;
    }
  }
  // A trailing odd byte is half a code unit: it cannot be kept, but is marked.
  if (bytes.size() % 2 != 0) cps += kReplacement;
  return Utf8Of(cps);
}

std::string EncodeUtf16(std::string_view utf8, bool bigEndian) {
  std::string out;
  const auto appendUnit = [&](char32_t unit) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  };
  for (char32_t cp : CodePointsOf(utf8)) {
    if (cp >= 0x10000) {
      appendUnit(0xD800 + ((cp - 0x10000) >> 10));
      appendUnit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      appendUnit(cp);
    }
  }
  return out;
}

}  // namespace

std::string Windows1252Codec::Decode(std::string_view bytes) const {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    const unsigned char byte = static_cast<unsigned char>(c);
    AppendUtf8(out, byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
  }
  return out;
}

EncodedText Windows1252Codec::Encode(std::string_view utf8) const {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t cp : CodePointsOf(utf8)) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    const auto high = std::ranges::find(kWindows1252High, cp);
    if (high == kWindows1252High.end()) return EncodedText::Unrepresentable();
    out += static_cast<char>(0x80 + (high - kWindows1252High.begin()));
  }
  return EncodedText::Encoded(std::move(out));
}

std::string WellFormedUtf8(std::string_view bytes) { return Utf8Of(CodePointsOf(bytes)); }

DecodedText DecodeText(std::string_view bytes, const EightBitCodec& eightBit) {
  if (bytes.starts_with(kUtf8Bom)) {
    return {WellFormedUtf8(bytes.substr(kUtf8Bom.size())), TextEncoding::kUtf8Bom};
  }
  if (bytes.starts_with(kUtf16LeBom)) {
    return {DecodeUtf16(bytes.substr(kUtf16LeBom.size()), false), TextEncoding::kUtf16LeBom};
  }
  if (bytes.starts_with(kUtf16BeBom)) {
    return {DecodeUtf16(bytes.substr(kUtf16BeBom.size()), true), TextEncoding::kUtf16BeBom};
  }
  return {eightBit.Decode(bytes), TextEncoding::kEightBit};
}

EncodedText EncodeText(std::string_view utf8, TextEncoding encoding,
                       const EightBitCodec& eightBit) {
  switch (encoding) {
    case TextEncoding::kEightBit:
      return eightBit.Encode(utf8);
    case TextEncoding::kUtf8Bom:
      return EncodedText::Encoded(std::string(kUtf8Bom) + Utf8Of(CodePointsOf(utf8)));
    case TextEncoding::kUtf16LeBom:
      return EncodedText::Encoded(std::string(kUtf16LeBom) + EncodeUtf16(utf8, false));
    case TextEncoding::kUtf16BeBom:
      return EncodedText::Encoded(std::string(kUtf16BeBom) + EncodeUtf16(utf8, true));
  }
  return EncodedText::Failed();
}

}  // namespace tw
