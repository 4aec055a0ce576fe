#include "core/color/conversions.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <ostream>

#include <gtest/gtest.h>

#include "core/color/rounding.h"

namespace tw {

// Readable failure messages for the result structs.
void PrintTo(const ColorTriple& c, std::ostream* os) {
  *os << "{red " << int{c.red} << ", green " << int{c.green} << ", blue " << int{c.blue} << "}";
}
void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "{red " << c.red << ", green " << c.green << ", blue " << c.blue << "}";
}
void PrintTo(const Cmyk& c, std::ostream* os) {
  *os << "{C " << c.C << ", M " << c.M << ", Y " << c.Y << ", K " << c.K << "}";
}

namespace {

constexpr TColor kStartColor = 0x00E16941;  // red 65, green 105, blue 225
constexpr TColor kWindowTextSysColor = static_cast<TColor>(0xFF000008);
constexpr TColor kWindowSysColor = static_cast<TColor>(0xFF000005);
constexpr TColor kWhite = 0x00FFFFFF;
constexpr TColor kBlack = 0;

ColorTriple Triple(int red, int green, int blue) { return MakeColorTriple(red, green, blue); }

// ---------------------------------------------------------------------------
// MakeColorTriple

TEST(MakeColorTriple, StoresBlueGreenRedInMemoryOrder) {
  const ColorTriple t = MakeColorTriple(0x12, 0x34, 0x56);
  unsigned char bytes[3];
  std::memcpy(bytes, &t, sizeof bytes);
  EXPECT_EQ(bytes[0], 0x56);
  EXPECT_EQ(bytes[1], 0x34);
  EXPECT_EQ(bytes[2], 0x12);
}

TEST(MakeColorTriple, KeepsTheLowEightBitsOfEachChannel) {
  const ColorTriple t = MakeColorTriple(300, -1, 256);
  EXPECT_EQ(t.red, 44);
  EXPECT_EQ(t.green, 255);
  EXPECT_EQ(t.blue, 0);
}

// ---------------------------------------------------------------------------
// HSVToColorTriple

struct TripleCase {
  int hue, saturation, value;
  ColorTriple expected;
};

const TripleCase kTripleCases[] = {
    // The start color's worked value: truncation makes red and green one higher
    // than HSVToRGB gives.
    {225, 181, 225, Triple(66, 106, 225)},
    // 65025 * 30 div 15300 = 127.
    {90, 255, 255, Triple(128, 255, 0)},
    {0, 255, 255, Triple(255, 0, 0)},
    {360, 255, 255, Triple(255, 0, 0)},  // 360 is 0
    {60, 255, 255, Triple(255, 255, 0)},
    {120, 255, 255, Triple(0, 255, 0)},
    {180, 255, 255, Triple(0, 255, 255)},
    {240, 255, 255, Triple(0, 0, 255)},
    {300, 255, 255, Triple(255, 0, 255)},
    {359, 255, 255, Triple(255, 0, 5)},  // 65025 * 59 div 15300 = 250
    {30, 128, 200, Triple(200, 150, 100)},
    // Saturation 0: value in every channel, whatever the hue.
    {123, 0, 77, Triple(77, 77, 77)},
    {1000, 0, 77, Triple(77, 77, 77)},
    {-1000, 0, 200, Triple(200, 200, 200)},
    {0, 0, 0, Triple(0, 0, 0)},
    {200, 255, 0, Triple(0, 0, 0)},
    // A hue of -60 or less, or above 360, gives black.
    {361, 255, 255, Triple(0, 0, 0)},
    {420, 255, 255, Triple(0, 0, 0)},
    {719, 255, 255, Triple(0, 0, 0)},
    {-60, 255, 255, Triple(0, 0, 0)},
    {-61, 255, 255, Triple(0, 0, 0)},
    {-100000, 255, 255, Triple(0, 0, 0)},
    // -59..-1: sector 0 with a negative rest; t goes negative and keeps its
    // low byte (-4 -> 252, -127 -> 129, -250 -> 6).
    {-1, 255, 255, Triple(255, 252, 0)},
    {-30, 255, 255, Triple(255, 129, 0)},
    {-59, 255, 255, Triple(255, 6, 0)},
};

TEST(HSVToColorTriple, Table) {
  for (const TripleCase& c : kTripleCases) {
    EXPECT_EQ(HSVToColorTriple(c.hue, c.saturation, c.value), c.expected)
        << "HSVToColorTriple(" << c.hue << ", " << c.saturation << ", " << c.value << ")";
  }
}

// The painter's integer routine truncates where the editing routine rounds,
// so it is never below it and at most one above it, channel by channel.
TEST(HSVToColorTriple, IsZeroOrOneAboveHSVToRGBForEveryHue) {
  for (int hue = 0; hue <= 360; ++hue) {
    for (int saturation = 0; saturation <= 255; saturation += 15) {
      for (int value = 0; value <= 255; value += 15) {
        const ColorTriple t = HSVToColorTriple(hue, saturation, value);
        const std::optional<Rgb> rgb = HSVToRGB(hue, saturation, value);
        ASSERT_TRUE(rgb.has_value());
        const int dr = t.red - rgb->red, dg = t.green - rgb->green, db = t.blue - rgb->blue;
        ASSERT_TRUE(dr >= 0 && dr <= 1 && dg >= 0 && dg <= 1 && db >= 0 && db <= 1)
            << "hue " << hue << " saturation " << saturation << " value " << value;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// HSVToRGB

struct HsvToRgbCase {
  double H, S, V;
  std::optional<Rgb> expected;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();

const HsvToRgbCase kHsvToRgbCases[] = {
    {225, 181, 225, Rgb{65, 105, 225}},                // the start color's worked value
    {225, 160.0 / 225 * 255, 225, Rgb{65, 105, 225}},  // S unrounded (181.33...)
    // H 224.625 is the hue of (65, 106, 225), one green step from the start
    // color; see RGBToHSV below.
    {224.625, 160.0 / 225 * 255, 225, Rgb{65, 106, 225}},
    {360, 255, 255, Rgb{255, 0, 0}},  // 360 is 0
    {0, 255, 255, Rgb{255, 0, 0}},
    {120, 255, 255, Rgb{0, 255, 0}},
    {240, 255, 255, Rgb{0, 0, 255}},
    {90, 255, 255, Rgb{128, 255, 0}},  // q = 127.5 rounds to the even 128
    {30, 255, 255, Rgb{255, 128, 0}},  // t = 127.5
    {150, 255, 255, Rgb{0, 255, 128}},
    {30, 255, 253, Rgb{253, 126, 0}},  // t = 126.5 rounds to the even 126
    {359.999, 255, 255, Rgb{255, 0, 0}},
    // S = 0: Trunc(V) everywhere, before the hue is looked at.
    {123, 0, 77.9, Rgb{77, 77, 77}},
    {1000, 0, 77.9, Rgb{77, 77, 77}},
    {-5000, 0, 10, Rgb{10, 10, 10}},
    {kNaN, 0, 10, Rgb{10, 10, 10}},
    {0, 0, -3.7, Rgb{-3, -3, -3}},
    // No result for a hue above 360.
    {360.5, 255, 255, std::nullopt},
    {361, 255, 255, std::nullopt},
    {1e300, 255, 255, std::nullopt},
    {-60, 255, 255, std::nullopt},
    {-61, 255, 255, std::nullopt},
    {-1e300, 255, 255, std::nullopt},
    {kNaN, 255, 255, std::nullopt},
    // Any negative hue is no color, also those that truncate to sector 0.
    {-30, 255, 255, std::nullopt},
    {-59.5, 255, 255, std::nullopt},
    {-0.5, 255, 255, std::nullopt},
    {-1e-9, 128, 200, std::nullopt},
};

TEST(HSVToRGB, Table) {
  for (const HsvToRgbCase& c : kHsvToRgbCases) {
    EXPECT_EQ(HSVToRGB(c.H, c.S, c.V), c.expected)
        << "HSVToRGB(" << c.H << ", " << c.S << ", " << c.V << ")";
  }
}

// ---------------------------------------------------------------------------
// RGBToHSV

struct RgbToHsvCase {
  int red, green, blue;
  double H, S, V;
};

const RgbToHsvCase kRgbToHsvCases[] = {
    // The start color: (65 - 105) * 60 / 160 + 240 = 225 exactly (224.625
    // would be green 106), and ColorToHSL's H 0.625 is 225 degrees too.
    {65, 105, 225, 225, 160.0 / 225 * 255, 225},
    {128, 128, 128, 0, 0, 128},
    {0, 0, 0, 0, 0, 0},
    {255, 255, 255, 0, 0, 255},
    {255, 0, 0, 0, 255, 255},
    {0, 255, 0, 120, 255, 255},
    {0, 0, 255, 240, 255, 255},
    {255, 255, 0, 60, 255, 255},   // red and green tie: red wins
    {0, 255, 255, 180, 255, 255},  // green and blue tie: green wins
    {255, 0, 255, 300, 255, 255},
    {255, 0, 1, 360 - 60.0 / 255, 255, 255},  // 359.76..., rounds to 360
    {10, 20, 30, 210, 170, 30},
};

TEST(RGBToHSV, Table) {
  for (const RgbToHsvCase& c : kRgbToHsvCases) {
    const Hsv hsv = RGBToHSV(c.red, c.green, c.blue);
    SCOPED_TRACE(testing::Message()
                 << "RGBToHSV(" << c.red << ", " << c.green << ", " << c.blue << ")");
    EXPECT_NEAR(hsv.H, c.H, 1e-9);
    EXPECT_NEAR(hsv.S, c.S, 1e-9);
    EXPECT_NEAR(hsv.V, c.V, 1e-9);
  }
}

TEST(RGBToHSV, StartColorRoundsTo225_181_225) {
  const Hsv hsv = RGBToHSV(65, 105, 225);
  EXPECT_EQ(Round(hsv.H), 225);
  EXPECT_EQ(Round(hsv.S), 181);
  EXPECT_EQ(Round(hsv.V), 225);
}

TEST(RGBToHSV, HueJustBelow360RoundsTo360AndReadsBackAsRed) {
  const Hsv hsv = RGBToHSV(255, 0, 1);
  EXPECT_GT(hsv.H, 359.76);
  EXPECT_LT(hsv.H, 359.77);
  const auto hue = static_cast<int>(Round(hsv.H));
  ASSERT_EQ(hue, 360);
  EXPECT_EQ(HSVToRGB(hue, 255, 255), (Rgb{255, 0, 0}));
  EXPECT_EQ(HSVToColorTriple(hue, 255, 255), Triple(255, 0, 0));
}

// Unrounded, HSV reads back exactly to the color it came from.
TEST(RGBToHSV, RoundTripsThroughHSVToRGB) {
  for (int red = 0; red <= 255; red += 5) {
    for (int green = 0; green <= 255; green += 5) {
      for (int blue = 0; blue <= 255; blue += 5) {
        const Hsv hsv = RGBToHSV(red, green, blue);
        ASSERT_GE(hsv.H, 0);
        ASSERT_LT(hsv.H, 360);
        ASSERT_EQ(HSVToRGB(hsv.H, hsv.S, hsv.V), (Rgb{red, green, blue}))
            << "red " << red << " green " << green << " blue " << blue;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// ColorToHSL and HSLToColor

struct ColorToHslCase {
  TColor color;
  double H, S, L;
};

const ColorToHslCase kColorToHslCases[] = {
    {kStartColor, 0.625, 160.0 / 220, 290.0 / 510},  // 225 degrees, 73 %, 57 %
    {0x00808080, 0, 0, 128.0 / 255},                 // L 0.50196...
    {kBlack, 0, 0, 0},
    {kWhite, 0, 0, 1},
    {0x000000FF, 0, 1, 0.5},
    {0x0000FF00, 1.0 / 3, 1, 0.5},
    {0x00FF0000, 2.0 / 3, 1, 0.5},
    {0x000100FF, 1 - 1.0 / 255 / 6, 1, 0.5},  // a negative h wraps below 1
    // A system color is not resolved: its low bytes (red 8) are taken as
    // they stand.
    {kWindowTextSysColor, 0, 1, 4.0 / 255},
};

TEST(ColorToHSL, Table) {
  for (const ColorToHslCase& c : kColorToHslCases) {
    const Hsl hsl = ColorToHSL(c.color);
    SCOPED_TRACE(testing::Message() << "ColorToHSL(0x" << std::hex << c.color << ")");
    EXPECT_NEAR(hsl.H, c.H, 1e-12);
    EXPECT_NEAR(hsl.S, c.S, 1e-12);
    EXPECT_NEAR(hsl.L, c.L, 1e-12);
  }
}

TEST(ColorToHSL, StartColorInDegreesAndPercent) {
  const Hsl hsl = ColorToHSL(kStartColor);
  EXPECT_EQ(Round(hsl.H * 360), 225);
  EXPECT_EQ(Round(hsl.S * 100), 73);
  EXPECT_EQ(Round(hsl.L * 100), 57);
}

struct HslToColorCase {
  double H, S, L;
  TColor expected;
};

const HslToColorCase kHslToColorCases[] = {
    {225.0 / 360, 0.73, 0.57, kStartColor},  // the start color's worked value
    {0, 0, 0.5, 0x00808080},                 // 127.5 rounds to the even 128
    {0.7, 0, 0.3, 0x004C4C4C},               // 76.5 rounds to the even 76
    {0, 0, 0, kBlack},
    {0, 0, 1, kWhite},
    {0, 0, 2, 0x00FEFEFE},  // 510 keeps its low byte
    {0, 1, 0.5, 0x000000FF},
    {1.0 / 3, 1, 0.5, 0x0000FF00},
    {2.0 / 3, 1, 0.5, 0x00FF0000},
    {210.0 / 360, 0.65, 0.20, 0x00543312},
};

TEST(HSLToColor, Table) {
  for (const HslToColorCase& c : kHslToColorCases) {
    EXPECT_EQ(HSLToColor(c.H, c.S, c.L), c.expected)
        << "HSLToColor(" << c.H << ", " << c.S << ", " << c.L << ")";
  }
}

TEST(HSLToColor, RoundTripsThroughColorToHSL) {
  for (int red = 0; red <= 255; red += 5) {
    for (int green = 0; green <= 255; green += 5) {
      for (int blue = 0; blue <= 255; blue += 5) {
        const TColor color = MakeColor(red, green, blue);
        const Hsl hsl = ColorToHSL(color);
        ASSERT_GE(hsl.H, 0);
        ASSERT_LT(hsl.H, 1);
        ASSERT_EQ(HSLToColor(hsl.H, hsl.S, hsl.L), color)
            << "red " << red << " green " << green << " blue " << blue;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// RGBToCMY and RGBToCMYK

TEST(RGBToCMY, Table) {
  EXPECT_EQ(RGBToCMY(65, 105, 225), (Cmy{190, 150, 30}));
  EXPECT_EQ(RGBToCMY(0, 0, 0), (Cmy{255, 255, 255}));
  EXPECT_EQ(RGBToCMY(255, 255, 255), (Cmy{0, 0, 0}));
  EXPECT_EQ(RGBToCMY(18, 52, 86), (Cmy{237, 203, 169}));
}

struct CmykCase {
  int red, green, blue;
  Cmyk expected;
};

const CmykCase kCmykCases[] = {
    {65, 105, 225, Cmyk{71, 53, 0, 12}},  // the start color's worked value
    {128, 128, 128, Cmyk{0, 0, 0, 50}},
    {0, 0, 0, Cmyk{0, 0, 0, 100}},
    {255, 255, 255, Cmyk{0, 0, 0, 0}},
    {255, 0, 0, Cmyk{0, 100, 100, 0}},
    {10, 20, 30, Cmyk{67, 33, 0, 88}},
    // K = 55, 255 - K = 200: 1 * 100 / 200 = 0.5 rounds to 0, 1.5 to 2.
    {199, 197, 200, Cmyk{0, 2, 0, 22}},
};

TEST(RGBToCMYK, Table) {
  for (const CmykCase& c : kCmykCases) {
    EXPECT_EQ(RGBToCMYK(c.red, c.green, c.blue), c.expected)
        << "RGBToCMYK(" << c.red << ", " << c.green << ", " << c.blue << ")";
  }
}

// ---------------------------------------------------------------------------
// System colors, InvertColor, ContrastTextColor

TColor RedWindowText(int index) { return index == 8 ? 0x000000FF : 0x00FFFFFF; }

TEST(DefaultSysColor, ClassicTable) {
  EXPECT_EQ(DefaultSysColor(8), kBlack);       // COLOR_WINDOWTEXT
  EXPECT_EQ(DefaultSysColor(5), kWhite);       // COLOR_WINDOW
  EXPECT_EQ(DefaultSysColor(15), 0x00C8D0D4);  // COLOR_BTNFACE 212, 208, 200
  EXPECT_EQ(DefaultSysColor(30), 0x00C8D0D4);  // COLOR_MENUBAR, the last one
  EXPECT_EQ(DefaultSysColor(31), kBlack);      // unknown, as GetSysColor gives
  EXPECT_EQ(DefaultSysColor(255), kBlack);
  EXPECT_EQ(DefaultSysColor(-1), kBlack);
}

TEST(ColorToRGB, ResolvesOnlyNegativeValues) {
  EXPECT_EQ(ColorToRGB(kStartColor), kStartColor);
  EXPECT_EQ(ColorToRGB(0x7F123456), 0x7F123456);  // positive: unchanged
  EXPECT_EQ(ColorToRGB(kWindowTextSysColor), kBlack);
  EXPECT_EQ(ColorToRGB(kWindowSysColor), kWhite);
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(0x80000005)), kWhite);  // index = low byte
  EXPECT_EQ(ColorToRGB(-1), kBlack);                               // index 255
  EXPECT_EQ(ColorToRGB(kWindowTextSysColor, RedWindowText), 0x000000FF);
  EXPECT_EQ(ColorToRGB(kWindowTextSysColor, nullptr), kBlack);  // null: default table
  EXPECT_EQ(ColorToRGB(kStartColor, RedWindowText), kStartColor);
}

struct InvertCase {
  TColor color;
  TColor expected;
};

const InvertCase kInvertCases[] = {
    {kStartColor, 0x001E96BE},  // (190, 150, 30)
    {kBlack, kWhite},
    {kWhite, kBlack},
    {0x00808080, 0x007F7F7F},
    {0x01E16941, 0x001E96BE},  // a stray high byte is dropped
    {kWindowTextSysColor, kWhite},
    {kWindowSysColor, kBlack},
};

TEST(InvertColor, Table) {
  for (const InvertCase& c : kInvertCases) {
    EXPECT_EQ(InvertColor(c.color), c.expected) << std::hex << "InvertColor(0x" << c.color << ")";
  }
  EXPECT_EQ(InvertColor(kWindowTextSysColor, RedWindowText), 0x00FFFF00);
}

TEST(InvertColor, IsItsOwnInverseOnRgbColors) {
  for (TColor color = 0; color <= 0xFFFFFF; color += 0x010305) {
    ASSERT_EQ(InvertColor(InvertColor(color)), color);
  }
}

const InvertCase kContrastCases[] = {
    {kStartColor, kWhite},  // brightness 110
    {0x00808080, kWhite},   // grey 128: white
    {0x00818181, kBlack},   // grey 129: black
    {0x0000FFFF, kBlack},   // yellow
    {0x00FF0000, kWhite},   // blue
    {kBlack, kWhite},
    {kWhite, kBlack},
    {kWindowTextSysColor, kWhite},  // resolves to black
    {kWindowSysColor, kBlack},      // resolves to white
};

TEST(ContrastTextColor, Table) {
  for (const InvertCase& c : kContrastCases) {
    EXPECT_EQ(ContrastTextColor(c.color), c.expected)
        << std::hex << "ContrastTextColor(0x" << c.color << ")";
  }
  EXPECT_EQ(ContrastTextColor(kWindowTextSysColor, RedWindowText), kWhite);
}

}  // namespace
}  // namespace tw
