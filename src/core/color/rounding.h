#pragma once

// The arithmetic conventions every color computation shares:
// Round sends halves to the even neighbour, Trunc drops the fraction, and
// MulDiv is the window system's multiply-divide, for the gradient painters.
//
// Round is written out by hand instead of calling std::nearbyint: nearbyint
// follows the thread's current rounding mode, and a plug-in DLL or a printer
// driver that leaves the FPU in another mode must not change a color.

#include <cmath>
#include <cstdint>
#include <limits>

namespace tw {

namespace detail {
// 2^63 as a double; every double at or above it is out of std::int64_t range.
inline constexpr double kTwoPow63 = 9223372036854775808.0;
}  // namespace detail

// Drops the fraction (toward zero). Never undefined: NaN gives 0, values
// beyond the 64-bit range saturate.
inline std::int64_t Trunc(double x) {
  if (std::isnan(x)) return 0;
  if (x >= detail::kTwoPow63) return std::numeric_limits<std::int64_t>::max();
  if (x < -detail::kTwoPow63) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(x);
}

// Rounds to the nearest integer, halves to the even neighbour
// (127.5 -> 128, 126.5 -> 126, -127.5 -> -128), whatever the FPU's rounding
// mode. NaN gives 0, values beyond the 64-bit range saturate.
inline std::int64_t Round(double x) {
  if (std::isnan(x)) return 0;
  if (x >= detail::kTwoPow63) return std::numeric_limits<std::int64_t>::max();
  if (x < -detail::kTwoPow63) return std::numeric_limits<std::int64_t>::min();
  const double lower = std::floor(x);  // exact, in every rounding mode
  const double fraction = x - lower;   // exact: x and floor(x) share a binade
  auto n = static_cast<std::int64_t>(lower);
  // A nonzero fraction means |x| < 2^52, so n + 1 cannot overflow.
  if (fraction > 0.5 || (fraction == 0.5 && (n % 2 != 0))) ++n;
  return n;
}

// A 64-bit intermediate stored in 32 bits keeps its low 32 bits.
// Callers then keep only the low 8 bits of a channel, which this preserves.
constexpr std::int32_t WrapToInt32(std::int64_t v) { return static_cast<std::int32_t>(v); }

// Win32 MulDiv: number * numerator / denominator through a 64-bit product,
// rounded to nearest with halves away from zero. Like the window system it
// gives -1 for a zero denominator or a result outside -2147483647..2147483647.
constexpr std::int32_t MulDiv(std::int32_t number, std::int32_t numerator,
                              std::int32_t denominator) {
  if (denominator == 0) return -1;
  std::int64_t product = static_cast<std::int64_t>(number) * numerator;
  std::int64_t divisor = denominator;
  if (divisor < 0) {
    product = -product;  // |product| <= 2^62, so this cannot overflow
    divisor = -divisor;
  }
  const std::int64_t half = divisor / 2;
  const std::int64_t result =
      product >= 0 ? (product + half) / divisor : (product - half) / divisor;
  if (result > 2147483647 || result < -2147483647) return -1;
  return static_cast<std::int32_t>(result);
}

}  // namespace tw
