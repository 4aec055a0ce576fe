#include "core/color/color_code_parsing.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/color/color_codes.h"
#include "core/color/conversions.h"
#include "core/color/html_hex.h"
#include "core/color/integer_text.h"
#include "core/color/rounding.h"

namespace tw {

namespace {

// Fields are widened to 64 bits at once, so every product and difference a
// notation forms afterwards is exact.
template <std::size_t N>
using Fields = std::array<std::int64_t, N>;

// The first N-1 fields end at a comma; the last field is all that remains, so
// a surplus comma stays inside it and makes it unreadable.
template <std::size_t N>
std::optional<Fields<N>> ReadCommaFields(std::string_view text) {
  Fields<N> fields{};
  for (std::size_t i = 0; i < N; ++i) {
    std::string_view field = text;
    if (i + 1 < N) {
      const std::size_t comma = text.find(',');
      if (comma == std::string_view::npos) return std::nullopt;
      field = text.substr(0, comma);
      text.remove_prefix(comma + 1);
    }
    const std::optional<std::int32_t> value = ParseTrimmedIntegerField(field);
    if (!value) return std::nullopt;
    fields[i] = *value;
  }
  return fields;
}

// The Delphi, VB and C++ forms end in BBGGRR: the HTML reading with red and
// blue exchanged. Whatever prefix precedes the last six characters is ignored,
// so each of the three reads the others' codes too.
std::optional<TColor> ReadBgrHex(std::string_view text) {
  const std::optional<TColor> swapped = HtmlHexToColor(text);
  if (!swapped) return std::nullopt;
  return MakeColor(BlueOf(*swapped), GreenOf(*swapped), RedOf(*swapped));
}

// Photoshop's RRGGBB is read from the start of the trimmed text; anything
// after the sixth character is ignored, and a leading "#" spoils the first
// pair.
std::optional<TColor> ReadPhotoshop(std::string_view text) {
  return HtmlHexToColor(CharacterSlice(TrimControlAndBlanks(text), 0, 6));
}

std::int64_t FieldAsChannel(std::int64_t value) { return value; }

std::int64_t PercentToChannel(std::int64_t percent) {
  return Round(static_cast<double>(percent * 255) / 100);
}

std::int64_t InkToChannel(std::int64_t ink) { return 255 - ink; }

// RGB, RGB percentages and CMY: three fields, each giving one channel.
std::optional<TColor> ReadChannelFields(std::string_view text,
                                        std::int64_t (*toChannel)(std::int64_t)) {
  const auto f = ReadCommaFields<3>(text);
  if (!f) return std::nullopt;
  return MakeColor(toChannel((*f)[0]), toChannel((*f)[1]), toChannel((*f)[2]));
}

// The code shows "%" after saturation and lightness; every "%" is dropped
// before reading, so "210, 65%, 20%" and "210,65,20" read alike.
std::optional<TColor> ReadHsl(std::string_view text) {
  std::string withoutPercent(text);
  std::erase(withoutPercent, '%');
  const auto f = ReadCommaFields<3>(withoutPercent);
  if (!f) return std::nullopt;
  return HSLToColor(static_cast<double>((*f)[0]) / 360, static_cast<double>((*f)[1]) / 100,
                    static_cast<double>((*f)[2]) / 100);
}

// A hue that HSVToRGB cannot place gives no color, which is refused rather
// than guessed.
std::optional<TColor> ReadHsv(std::string_view text) {
  const auto f = ReadCommaFields<3>(text);
  if (!f) return std::nullopt;
  const std::optional<Rgb> rgb = HSVToRGB(
      static_cast<double>((*f)[0]), static_cast<double>((*f)[1]), static_cast<double>((*f)[2]));
  if (!rgb) return std::nullopt;
  return MakeColor(rgb->red, rgb->green, rgb->blue);
}

std::optional<TColor> ReadCmyk(std::string_view text) {
  const auto f = ReadCommaFields<4>(text);
  if (!f) return std::nullopt;
  const auto [c, m, y, k] = *f;
  // 100 - K in integers, the rest in doubles, evaluated left to right.
  const double scale = static_cast<double>(100 - k) * 2.55;
  auto channel = [scale](std::int64_t ink) {
    return Round(scale * (1 - static_cast<double>(ink) / 100));
  };
  return MakeColor(channel(c), channel(m), channel(y));
}

// The 24-bit value R + 256 G + 65536 B. A larger number is refused instead of
// wrapping: it is no color of this form. Negative numbers are split by
// truncating division and wrap per channel, so -1 is pure red.
std::optional<TColor> ReadPowerbuilder(std::string_view text) {
  constexpr std::int64_t kLargest24Bit = 16777215;
  const std::optional<std::int32_t> field = ParseTrimmedIntegerField(text);
  if (!field || *field > kLargest24Bit) return std::nullopt;
  const std::int64_t v = *field;
  const std::int64_t blue = v / 65536;
  const std::int64_t green = (v - 65536 * blue) / 256;
  const std::int64_t red = v % 256;
  return MakeColor(red, green, blue);
}

}  // namespace

std::optional<TColor> ParseColorCode(int notation, std::string_view text) {
  switch (notation) {
    case kHtmlHex:
      return HtmlHexToColor(text);
    case kDelphiHex:
    case kVbHex:
    case kCppHex:
      return ReadBgrHex(text);
    case kRgbValues:
      return ReadChannelFields(text, FieldAsChannel);
    case kRgbPercentValues:
      return ReadChannelFields(text, PercentToChannel);
    case kHsl:
      return ReadHsl(text);
    case kHsv:
      return ReadHsv(text);
    case kCmy:
      return ReadChannelFields(text, InkToChannel);
    case kCmyk:
      return ReadCmyk(text);
    case kPhotoshop:
      return ReadPhotoshop(text);
    case kPowerbuilder:
      return ReadPowerbuilder(text);
    default:
      return std::nullopt;  // no notation selected: nothing to read the text by
  }
}

}  // namespace tw
