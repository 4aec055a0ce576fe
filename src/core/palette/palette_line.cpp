#include "core/palette/palette_line.h"

#include <cstdint>
#include <utility>

#include "core/color/color_idents.h"
#include "core/color/integer_text.h"

namespace tw {

std::string ColorToString(TColor color) {
  if (const auto ident = ColorToIdent(color)) return std::string(*ident);
  constexpr char kHexDigits[] = "0123456789ABCDEF";
  // Through uint32 so a negative system color writes its two's complement.
  const auto bits = static_cast<std::uint32_t>(color);
  std::string text = "$";
  for (int shift = 28; shift >= 0; shift -= 4) text += kHexDigits[(bits >> shift) & 0xF];
  return text;
}

Converted<TColor> StringToColor(std::string_view text) {
  if (const auto ident = IdentToColor(text)) return *ident;
  if (const auto number = ParseIntegerText(text)) return *number;
  std::string message = "'";
  message.append(text).append("' is not a valid integer value");
  return Converted<TColor>::Failure(std::move(message));
}

}  // namespace tw
