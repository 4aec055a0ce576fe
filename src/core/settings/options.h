#pragma once

#include <string>

#include "core/color/color_codes.h"
#include "core/names/color_sort.h"
#include "core/names/rgb_hex.h"
#include "core/palette/palette_file.h"
#include "core/sampling/magnifier_geometry.h"

namespace tw {

// The crosshair styles of the magnifier, as DrawCrosshair takes them.
inline constexpr int kNoCrosshair = 0;
inline constexpr int kCrossCrosshair = 1;
inline constexpr int kRectangleCrosshair = 2;

// The window's arrangements.
inline constexpr int kSmallLayout = 0;
inline constexpr int kMediumLayout = 1;
inline constexpr int kLargeLayout = 2;

inline constexpr PaletteSlots kDefaultSlotColors = {
    RGBHex(0xF400A1), RGBHex(0xCEFF00), RGBHex(0x40E0D0), RGBHex(0x66DDAA),
    RGBHex(0xFFDB00), RGBHex(0xBA55D3), RGBHex(0x0FC0FC), RGBHex(0xFF0800),
    RGBHex(0x0048BA), RGBHex(0x00FF00), RGBHex(0x008080), RGBHex(0xD40000)};

// Everything the program keeps between runs, with the values of a first
// run. The settings file mirrors it through the option table.
struct Options {
  PaletteSlots slotColors = kDefaultSlotColors;
  int crosshair = kCrossCrosshair;
  int notation = kHtmlHex;
  int zoomIndex = kDefaultZoom - 1;  // the zoom list's item
  int averaging = 0;                 // the averaged block's half width
  bool textInFrame = true;
  bool alwaysOnTop = false;
  bool stayInTray = true;
  bool htmlOnly = false;
  int sortOrder = SortByName;
  // The palette file's name while the slots still hold what it gave them.
  std::string paletteName;
  bool titleShown = true;
  bool upperCase = true;
  // Any number is kept; only the three layouts arrange the window.
  int layout = kLargeLayout;
};

}  // namespace tw
