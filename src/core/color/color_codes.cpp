#include "core/color/color_codes.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "core/color/conversions.h"
#include "core/color/rounding.h"

namespace tw {

namespace {

void AppendHex2(std::string& out, int byte) {
  constexpr std::string_view kHexDigits = "0123456789ABCDEF";
  out += kHexDigits[static_cast<std::size_t>((byte >> 4) & 0xF)];
  out += kHexDigits[static_cast<std::size_t>(byte & 0xF)];
}

std::string HexBytes(std::string_view prefix, int first, int second, int third) {
  std::string out(prefix);
  AppendHex2(out, first);
  AppendHex2(out, second);
  AppendHex2(out, third);
  return out;
}

// The Delphi, VB and C++ forms show the TColor value itself: blue first.
std::string BgrHex(std::string_view prefix, TColor color) {
  return HexBytes(prefix, BlueOf(color), GreenOf(color), RedOf(color));
}

std::string JoinWithCommas(std::initializer_list<std::int64_t> values) {
  std::string out;
  for (const std::int64_t value : values) {
    if (!out.empty()) out += ',';
    out += std::to_string(value);
  }
  return out;
}

std::int64_t PercentOfFullChannel(int channel) { return Round(channel / 2.55); }

std::string HslCode(TColor color) {
  const Hsl hsl = ColorToHSL(color);
  return std::to_string(Round(hsl.H * 360)) + ", " + std::to_string(Round(hsl.S * 100)) + "%, " +
         std::to_string(Round(hsl.L * 100)) + "%";
}

std::string UpperCaseCode(int notation, TColor color) {
  const int red = RedOf(color);
  const int green = GreenOf(color);
  const int blue = BlueOf(color);
  switch (notation) {
    case kHtmlHex:
      return ColorToHtmlHex(color);
    case kDelphiHex:
      return BgrHex("$00", color);
    case kVbHex:
      return BgrHex("&H", color);
    case kCppHex:
      return BgrHex("0x00", color);
    case kRgbValues:
      return JoinWithCommas({red, green, blue});
    case kRgbPercentValues:
      return JoinWithCommas(
          {PercentOfFullChannel(red), PercentOfFullChannel(green), PercentOfFullChannel(blue)});
    case kHsl:
      return HslCode(color);
    case kHsv: {
      const Hsv hsv = RGBToHSV(red, green, blue);
      return JoinWithCommas({Round(hsv.H), Round(hsv.S), Round(hsv.V)});
    }
    case kCmy: {
      const Cmy cmy = RGBToCMY(red, green, blue);
      return JoinWithCommas({cmy.C, cmy.M, cmy.Y});
    }
    case kCmyk: {
      const Cmyk cmyk = RGBToCMYK(red, green, blue);
      return JoinWithCommas({cmyk.C, cmyk.M, cmyk.Y, cmyk.K});
    }
    case kPhotoshop:
      return HexBytes("", red, green, blue);
    case kPowerbuilder:
      return std::to_string(color & 0xFFFFFF);
    default:
      return {};
  }
}

}  // namespace

std::string ColorToHtmlHex(TColor color) {
  return HexBytes("#", RedOf(color), GreenOf(color), BlueOf(color));
}

std::string FormatColorCode(int notation, TColor color, bool upperCase) {
  std::string code = UpperCaseCode(notation, color);
  // Upper case leaves the code as built, so the C++ form keeps its small x.
  return upperCase ? code : ConvertAsciiCase(std::move(code), false);
}

std::string ConvertAsciiCase(std::string text, bool upperCase) {
  // Byte arithmetic rather than std::toupper/tolower: those follow the C
  // locale, and a code must read the same on every desktop.
  const char from = upperCase ? 'a' : 'A';
  const char to = upperCase ? 'A' : 'a';
  for (char& c : text) {
    if (c >= from && c <= from + 25) c = static_cast<char>(c - from + to);
  }
  return text;
}

}  // namespace tw
