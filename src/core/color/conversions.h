#pragma once

// The pure color conversions between RGB, HSV, HSL, CMY and CMYK. Nothing here holds state,
// allocates, fails or throws. Channel inputs are nominally 0..255; other
// values give defined (if meaningless) results, never undefined behaviour.

#include <cstdint>
#include <optional>

#include "core/color/tcolor.h"

namespace tw {

// 255 * 60: one hue sector on the integer saturation/value scale.
inline constexpr int HueSectorDivisor = 15300;

// Red, green and blue as the conversions compute them, before a caller packs
// them into a TColor (MakeColor keeps each channel's low 8 bits, so -128
// becomes 128 and 300 becomes 44).
struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// HSV on the floating scale: H in [0, 360), S and V in [0, 255]; not rounded.
struct Hsv {
  double H = 0;
  double S = 0;
  double V = 0;
};

// HSL as fractions in [0, 1] (H below 1).
struct Hsl {
  double H = 0;
  double S = 0;
  double L = 0;
};

// CMY on 0..255.
struct Cmy {
  int C = 0;
  int M = 0;
  int Y = 0;
  friend bool operator==(const Cmy&, const Cmy&) = default;
};

// CMYK in percent, 0..100.
struct Cmyk {
  int C = 0;
  int M = 0;
  int Y = 0;
  int K = 0;
  friend bool operator==(const Cmyk&, const Cmyk&) = default;
};

// Looks up the desktop's RGB value of system color number `index` (0..255),
// the way GetSysColor does. The core has no window system, so the routines
// that resolve system colors take the lookup as a parameter: the Win32 layer
// passes a GetSysColor-based one, tests and other callers get the default.
using SysColorLookup = TColor (*)(int index);

// The classic Windows default scheme ("Windows Standard" of Windows 2000) for
// indexes 0..30 (COLOR_SCROLLBAR .. COLOR_MENUBAR); 0 for any other index, as
// GetSysColor gives for an index it does not know. Index 8 (COLOR_WINDOWTEXT,
// the color frame's starting text color) is black.
TColor DefaultSysColor(int index);

// The pixel for a 24-bit bitmap row; each channel keeps its low 8 bits.
constexpr ColorTriple MakeColorTriple(int red, int green, int blue) {
  return ColorTriple{static_cast<std::uint8_t>(blue & 0xFF),
                     static_cast<std::uint8_t>(green & 0xFF),
                     static_cast<std::uint8_t>(red & 0xFF)};
}

// Integer HSV to a pixel, for the gradient strips and the color wheel: hue
// 0..360 (360 = 0), saturation and value 0..255. Truncating integer
// arithmetic only, so a channel may be one above what HSVToRGB gives. A hue
// of -60 or less or above 360 gives black; -59..-1 falls in sector 0. Any hue
// is safe; saturation and value are meant to be 0..255.
ColorTriple HSVToColorTriple(int hue, int saturation, int value);

// Floating HSV to red, green, blue (each Round-ed), for the HSV edit boxes,
// scroll bars and HSV color codes. With S = 0 every channel is Trunc(V)
// whatever the hue. Otherwise a negative hue, one above 360 or NaN gives no
// result: the caller decides what to do then.
std::optional<Rgb> HSVToRGB(double H, double S, double V);

// Red, green, blue to floating HSV. A grey has H = 0 and S = 0.
Hsv RGBToHSV(int red, int green, int blue);

// The three low bytes of `color` to HSL fractions. A system color is not
// resolved: its low bytes are taken as they stand.
Hsl ColorToHSL(TColor color);

// HSL fractions to a color (each channel reduced to its low byte).
TColor HSLToColor(double H, double S, double L);

// (255 - red, 255 - green, 255 - blue).
Cmy RGBToCMY(int red, int green, int blue);

// CMYK in percent; black is (0, 0, 0, 100).
Cmyk RGBToCMYK(int red, int green, int blue);

// Resolves a system color (negative value) through `lookup` with index
// (color AND 0xFF); any other color is returned unchanged.
TColor ColorToRGB(TColor color, SysColorLookup lookup = DefaultSysColor);

// The complementary RGB color of ColorToRGB(color); high byte 0.
TColor InvertColor(TColor color, SysColorLookup lookup = DefaultSysColor);

// White (0xFFFFFF) or black (0) text for the background ColorToRGB(color),
// by perceived brightness: grey 128 gets white, grey 129 black.
TColor ContrastTextColor(TColor color, SysColorLookup lookup = DefaultSysColor);

}  // namespace tw
