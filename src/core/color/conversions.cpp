#include "core/color/conversions.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/color/rounding.h"

namespace tw {

namespace {

// The "Windows Standard" scheme of Windows 2000, which is also what the
// classic theme of later versions shows, indexed like GetSysColor.
constexpr std::array<TColor, 31> kClassicSysColors = {
    MakeColor(212, 208, 200),  //  0 COLOR_SCROLLBAR
    MakeColor(58, 110, 165),   //  1 COLOR_BACKGROUND
    MakeColor(10, 36, 106),    //  2 COLOR_ACTIVECAPTION
    MakeColor(128, 128, 128),  //  3 COLOR_INACTIVECAPTION
    MakeColor(212, 208, 200),  //  4 COLOR_MENU
    MakeColor(255, 255, 255),  //  5 COLOR_WINDOW
    MakeColor(0, 0, 0),        //  6 COLOR_WINDOWFRAME
    MakeColor(0, 0, 0),        //  7 COLOR_MENUTEXT
    MakeColor(0, 0, 0),        //  8 COLOR_WINDOWTEXT
    MakeColor(255, 255, 255),  //  9 COLOR_CAPTIONTEXT
    MakeColor(212, 208, 200),  // 10 COLOR_ACTIVEBORDER
    MakeColor(212, 208, 200),  // 11 COLOR_INACTIVEBORDER
    MakeColor(128, 128, 128),  // 12 COLOR_APPWORKSPACE
    MakeColor(10, 36, 106),    // 13 COLOR_HIGHLIGHT
    MakeColor(255, 255, 255),  // 14 COLOR_HIGHLIGHTTEXT
    MakeColor(212, 208, 200),  // 15 COLOR_BTNFACE
    MakeColor(128, 128, 128),  // 16 COLOR_BTNSHADOW
    MakeColor(128, 128, 128),  // 17 COLOR_GRAYTEXT
    MakeColor(0, 0, 0),        // 18 COLOR_BTNTEXT
    MakeColor(212, 208, 200),  // 19 COLOR_INACTIVECAPTIONTEXT
    MakeColor(255, 255, 255),  // 20 COLOR_BTNHIGHLIGHT
    MakeColor(64, 64, 64),     // 21 COLOR_3DDKSHADOW
    MakeColor(212, 208, 200),  // 22 COLOR_3DLIGHT
    MakeColor(0, 0, 0),        // 23 COLOR_INFOTEXT
    MakeColor(255, 255, 225),  // 24 COLOR_INFOBK
    MakeColor(181, 181, 181),  // 25 (COLOR_ALTERNATEBTNFACE)
    MakeColor(0, 0, 128),      // 26 COLOR_HOTLIGHT
    MakeColor(166, 202, 240),  // 27 COLOR_GRADIENTACTIVECAPTION
    MakeColor(192, 192, 192),  // 28 COLOR_GRADIENTINACTIVECAPTION
    MakeColor(10, 36, 106),    // 29 COLOR_MENUHILIGHT
    MakeColor(212, 208, 200),  // 30 COLOR_MENUBAR
};

// A rounded channel as the program keeps it: Round gives 64 bits, the channel
// variable holds 32, and packing later keeps the low 8 of those.
int RoundChannel(double v) { return WrapToInt32(Round(v)); }

}  // namespace

TColor DefaultSysColor(int index) {
  if (index < 0 || index >= static_cast<int>(kClassicSysColors.size())) return 0;
  return kClassicSysColors[static_cast<std::size_t>(index)];
}

ColorTriple HSVToColorTriple(int hue, int saturation, int value) {
  if (saturation == 0) return MakeColorTriple(value, value, value);
  if (hue == 360) hue = 0;
  const int sector = hue / 60;
  // C++ division and remainder truncate toward zero, as the color model's div
  // and mod do: a hue of -30 is sector 0 with rest -30.
  const int rest = hue % 60;
  // 64-bit products: for 0..255 they are the same numbers 32-bit arithmetic
  // gives, and they stay defined for saturation and value up to about
  // 2^28 in size, which no painter comes near.
  const std::int64_t vs = static_cast<std::int64_t>(value) * saturation;
  const auto p = static_cast<int>(value - vs / 255);
  const auto q = static_cast<int>(value - (vs * rest) / HueSectorDivisor);
  const auto t = static_cast<int>(value - (vs * (60 - rest)) / HueSectorDivisor);
  switch (sector) {
    case 0:
      return MakeColorTriple(value, t, p);
    case 1:
      return MakeColorTriple(q, value, p);
    case 2:
      return MakeColorTriple(p, value, t);
    case 3:
      return MakeColorTriple(p, q, value);
    case 4:
      return MakeColorTriple(t, p, value);
    case 5:
      return MakeColorTriple(value, p, q);
    default:
      return MakeColorTriple(0, 0, 0);  // hue <= -60 or > 360
  }
}

std::optional<Rgb> HSVToRGB(double H, double S, double V) {
  const double s = S / 255;
  if (s == 0) {
    const int v = WrapToInt32(Trunc(V));
    return Rgb{v, v, v};
  }
  if (H == 360) H = 0;
  const double h = H / 60;
  if (std::isnan(h)) return std::nullopt;
  // A negative hue is no color: truncated it would land in sector 0 with a
  // negative fraction and give an orange nobody asked for.
  if (h < 0) return std::nullopt;
  const std::int64_t i = Trunc(h);
  if (i > 5) return std::nullopt;
  const double f = h - static_cast<double>(i);
  const double p = V * (1 - s);
  const double q = V * (1 - s * f);
  const double t = V * (1 - s * (1 - f));
  switch (i) {
    case 0:
      return Rgb{RoundChannel(V), RoundChannel(t), RoundChannel(p)};
    case 1:
      return Rgb{RoundChannel(q), RoundChannel(V), RoundChannel(p)};
    case 2:
      return Rgb{RoundChannel(p), RoundChannel(V), RoundChannel(t)};
    case 3:
      return Rgb{RoundChannel(p), RoundChannel(q), RoundChannel(V)};
    case 4:
      return Rgb{RoundChannel(t), RoundChannel(p), RoundChannel(V)};
    default:
      return Rgb{RoundChannel(V), RoundChannel(p), RoundChannel(q)};  // i == 5
  }
}

Hsv RGBToHSV(int red, int green, int blue) {
  // Differences in 64 bits so that no int input can overflow them.
  const std::int64_t r = red, g = green, b = blue;
  const std::int64_t max = std::max({r, g, b});
  const std::int64_t min = std::min({r, g, b});
  const std::int64_t d = max - min;
  Hsv hsv;
  hsv.V = static_cast<double>(max);
  hsv.S = max == 0 ? 0.0 : static_cast<double>(d) / static_cast<double>(max) * 255;
  if (hsv.S == 0) return hsv;  // H stays 0
  const auto dd = static_cast<double>(d);
  if (r == max) {
    hsv.H = static_cast<double>(g - b) * 60 / dd;
  } else if (g == max) {
    hsv.H = static_cast<double>(b - r) * 60 / dd + 120;
  } else {
    hsv.H = static_cast<double>(r - g) * 60 / dd + 240;
  }
  if (hsv.H < 0) hsv.H += 360;
  return hsv;
}

Hsl ColorToHSL(TColor color) {
  const double r = RedOf(color) / 255.0;
  const double g = GreenOf(color) / 255.0;
  const double b = BlueOf(color) / 255.0;
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  Hsl hsl;
  hsl.L = (max + min) / 2;
  if (max == min) return hsl;  // grey: H = S = 0
  const double d = max - min;
  hsl.S = hsl.L < 0.5 ? d / (max + min) : d / (2 - (max + min));
  double h;
  if (r == max) {
    h = (g - b) / d;
  } else if (g == max) {
    h = (b - r) / d + 2;
  } else {
    h = (r - g) / d + 4;
  }
  hsl.H = h / 6;
  if (hsl.H < 0) hsl.H += 1;
  return hsl;
}

namespace {

int HueToChannel(double p, double q, double t) {
  if (t < 0) {
    t += 1;
  } else if (t > 1) {
    t -= 1;
  }
  double v;
  if (6 * t < 1) {
    v = p + (q - p) * t * 6;
  } else if (2 * t < 1) {
    v = q;
  } else if (3 * t < 2) {
    v = p + (q - p) * (2.0 / 3.0 - t) * 6;
  } else {
    v = p;
  }
  return RoundChannel(v * 255);
}

}  // namespace

TColor HSLToColor(double H, double S, double L) {
  if (S == 0) {
    const int v = RoundChannel(L * 255);
    return MakeColor(v, v, v);
  }
  const double q = L <= 0.5 ? L * (1 + S) : L + S - L * S;
  const double p = 2 * L - q;
  return MakeColor(HueToChannel(p, q, H + 1.0 / 3.0), HueToChannel(p, q, H),
                   HueToChannel(p, q, H - 1.0 / 3.0));
}

Cmy RGBToCMY(int red, int green, int blue) {
  // In 64 bits and wrapped back, so even INT_MIN cannot overflow.
  return Cmy{WrapToInt32(255 - static_cast<std::int64_t>(red)),
             WrapToInt32(255 - static_cast<std::int64_t>(green)),
             WrapToInt32(255 - static_cast<std::int64_t>(blue))};
}

Cmyk RGBToCMYK(int red, int green, int blue) {
  const Cmy cmy = RGBToCMY(red, green, blue);
  const std::int64_t k = std::min({cmy.C, cmy.M, cmy.Y});
  Cmyk cmyk;
  if (k != 255) {
    // (x - K) * 100 in integers, the division in doubles.
    const auto denominator = static_cast<double>(255 - k);
    auto percent = [&](int x) {
      return RoundChannel(static_cast<double>((x - k) * 100) / denominator);
    };
    cmyk.C = percent(cmy.C);
    cmyk.M = percent(cmy.M);
    cmyk.Y = percent(cmy.Y);
  }
  cmyk.K = RoundChannel(static_cast<double>(k) / 2.55);
  return cmyk;
}

TColor ColorToRGB(TColor color, SysColorLookup lookup) {
  if (color >= 0) return color;
  if (lookup == nullptr) lookup = DefaultSysColor;
  return lookup(color & 0xFF);
}

TColor InvertColor(TColor color, SysColorLookup lookup) {
  const TColor c = ColorToRGB(color, lookup);
  return MakeColor(255 - RedOf(c), 255 - GreenOf(c), 255 - BlueOf(c));
}

TColor ContrastTextColor(TColor color, SysColorLookup lookup) {
  const TColor c = ColorToRGB(color, lookup);
  const double r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
  const std::int64_t brightness =
      Round(std::sqrt(0.241 * (r * r) + 0.691 * (g * g) + 0.068 * (b * b)));
  return brightness <= 128 ? MakeColor(255, 255, 255) : 0;
}

}  // namespace tw
