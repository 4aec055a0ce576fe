#pragma once

#include <optional>
#include <string>
#include <utility>

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

}  // namespace tw
