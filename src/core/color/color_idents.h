#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/color/tcolor.h"

namespace tw {

// A color that has a symbolic name in settings and palette files.
struct ColorIdent {
  std::string_view name;
  TColor value;
};

// The 52 named colors: twenty plain RGB colors, the thirty system colors and
// the two special values clNone and clDefault. Every value occurs once.
std::span<const ColorIdent> ColorIdents();

// The name of `color`, if it has one.
std::optional<std::string_view> ColorToIdent(TColor color);

// The color named `name`, compared without regard to ASCII letter case.
std::optional<TColor> IdentToColor(std::string_view name);

}  // namespace tw
