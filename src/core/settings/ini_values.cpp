#include "core/settings/ini_values.h"

#include "core/color/color_idents.h"
#include "core/color/integer_text.h"
#include "core/text/ascii_case.h"

namespace tw {
namespace {

std::string QuotedMessage(std::string_view text, std::string_view what) {
  return "'" + std::string(text) + "' is not a valid " + std::string(what) + " value";
}

Converted<std::int32_t> IntegerOrFailure(std::optional<std::int32_t> value, std::string_view text) {
  if (!value) return Converted<std::int32_t>::Failure(QuotedMessage(text, "integer"));
  return *value;
}

}  // namespace

std::string FormatIniInteger(std::int32_t value) { return std::to_string(value); }

Converted<std::int32_t> ParseIniInteger(std::string_view text) {
  return IntegerOrFailure(ParseIntegerEmptyAsZero(text), text);
}

std::string FormatIniBool(bool value) { return value ? "TRUE" : "FALSE"; }

Converted<bool> ParseIniBool(std::string_view text) {
  for (std::string_view word : {"TRUE", "YES", "Y"}) {
    if (EqualsIgnoringAsciiCase(text, word)) return true;
  }
  for (std::string_view word : {"FALSE", "NO", "N"}) {
    if (EqualsIgnoringAsciiCase(text, word)) return false;
  }
  const std::optional<std::int32_t> number = ParseIntegerEmptyAsZero(text);
  if (!number) return Converted<bool>::Failure(QuotedMessage(text, "boolean"));
  return *number != 0;
}

std::string FormatIniColor(TColor value) {
  if (const auto ident = ColorToIdent(value)) return std::string(*ident);
  return FormatIniInteger(value);
}

Converted<TColor> ParseIniColor(std::string_view text) {
  if (const auto ident = IdentToColor(text)) return *ident;
  // Unlike a plain integer, an empty color is an error: a blanked entry keeps
  // the slot's own color instead of turning it black.
  return IntegerOrFailure(ParseIntegerText(text), text);
}

std::string FormatIniPosition(const PositionItems& items) {
  std::string text;
  for (std::int32_t item : items) {
    if (!text.empty()) text += ',';
    text += FormatIniInteger(item);
  }
  return text;
}

PositionItems ParseIniPosition(std::string_view text, const PositionItems& defaults) {
  PositionItems items = defaults;
  for (std::int32_t& item : items) {
    const std::size_t comma = text.find(',');
    if (const auto number = ParseIntegerText(text.substr(0, comma))) item = *number;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return items;
}

}  // namespace tw
