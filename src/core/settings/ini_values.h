#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/color/tcolor.h"
#include "core/text/converted.h"

namespace tw {

// Four integers such as a window's left, top, right and bottom.
using PositionItems = std::array<std::int32_t, 4>;

std::string FormatIniInteger(std::int32_t value);
// Decimal or "$" hexadecimal; an empty value reads as 0.
Converted<std::int32_t> ParseIniInteger(std::string_view text);

std::string FormatIniBool(bool value);
// TRUE/YES/Y and FALSE/NO/N in any case, else an integer, non-zero true.
Converted<bool> ParseIniBool(std::string_view text);

// The color's identifier when it has one, else its signed decimal value.
std::string FormatIniColor(TColor value);
// An identifier in any case, else an integer.
Converted<TColor> ParseIniColor(std::string_view text);

std::string FormatIniPosition(const PositionItems& items);
// Split at ","; an item that is missing or no integer keeps its default.
PositionItems ParseIniPosition(std::string_view text, const PositionItems& defaults);

}  // namespace tw
