#pragma once

// Reading a color as HTML Hex, which is also how the color given on the
// command line is applied. The character helpers serve the other notations that pick
// hex pairs out of a text (Delphi, VB and C++ Hex, Photoshop).
//
// Text is UTF-8 and the codes count characters, so these helpers count code
// points, not bytes: a multi-byte character is one character and is never
// split. It can never be a hex digit, so a pair that holds one fails. (A
// stray continuation byte belongs to the character before it; one at the
// very start counts as a character of its own. Either way it is no digit.)

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/color/tcolor.h"

namespace tw {

// The last `count` characters of `text`, or all of it when it is shorter.
std::string_view LastCharacters(std::string_view text, std::size_t count);

// Up to `count` characters starting at character `first` (0-based); empty
// when the text has no character there.
std::string_view CharacterSlice(std::string_view text, std::size_t first, std::size_t count);

// A hex pair: the text with "$" put in front, read by the integer-text rule,
// so only one or two hex digits pass. Empty text and anything longer than two
// bytes fail. Gives 0..255.
std::optional<int> ReadHexPair(std::string_view pair);

// HTML Hex "...RRGGBB": the last six characters (the whole text when
// shorter), red from characters 1-2, green 3-4, blue 5-6, each a hex pair.
// Everything before the last six is ignored and nothing is trimmed:
// "abc#123456" reads as 0x123456, "12345" as red 0x12, green 0x34, blue 0x05,
// while "#12345", "1234" and "123456 " fail.
std::optional<TColor> HtmlHexToColor(std::string_view text);

}  // namespace tw
