#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "color/tcolor.h"

namespace tw {

// The outcome of reading a stored value: the value, or the text of the
// conversion error, so the caller decides whether to show or ignore it.
template <typename T>
class Converted {
 public:
  Converted(T value) : value_(std::move(value)) {}
  static Converted Failure(std::string message) {
    return Converted(FailureTag{}, std::move(message));
  }

  bool ok() const { return value_.has_value(); }
  const T& value() const { return value_.value(); }
  const std::string& error() const { return error_; }

 private:
  struct FailureTag {};
  Converted(FailureTag, std::string message) : error_(std::move(message)) {}

  std::optional<T> value_;
  std::string error_;
};

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
