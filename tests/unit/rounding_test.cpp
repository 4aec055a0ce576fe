#include "core/color/rounding.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace tw {
namespace {

struct RoundCase {
  double x;
  std::int64_t round;
  std::int64_t trunc;
};

constexpr RoundCase kRoundCases[] = {
    {0.0, 0, 0},
    {-0.0, 0, 0},
    {0.5, 0, 0},
    {1.5, 2, 1},
    {2.5, 2, 2},
    {127.5, 128, 127},  // the documented examples
    {126.5, 126, 126},
    {224.625, 225, 224},
    {76.5, 76, 76},
    {0.49999999999999994, 0, 0},  // the largest double below 0.5
    {1.4999999999999998, 1, 1},
    {2.5000000000000004, 3, 2},
    {-0.5, 0, 0},
    {-1.5, -2, -1},
    {-2.5, -2, -2},
    {-127.5, -128, -127},
    {-0.7, -1, 0},
    {359.7647058823529, 360, 359},
    {4503599627370495.5, 4503599627370496, 4503599627370495},  // 2^52 - 0.5
    {9007199254740993.0, 9007199254740992, 9007199254740992},  // not representable
    {1e18, 1000000000000000000, 1000000000000000000},
};

TEST(Rounding, RoundAndTruncTable) {
  for (const RoundCase& c : kRoundCases) {
    EXPECT_EQ(Round(c.x), c.round) << "Round(" << c.x << ")";
    EXPECT_EQ(Trunc(c.x), c.trunc) << "Trunc(" << c.x << ")";
  }
}

TEST(Rounding, NonFiniteAndHugeValuesAreDefined) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Round(nan), 0);
  EXPECT_EQ(Trunc(nan), 0);
  EXPECT_EQ(Round(inf), kMax);
  EXPECT_EQ(Round(-inf), kMin);
  EXPECT_EQ(Trunc(1e300), kMax);
  EXPECT_EQ(Trunc(-1e300), kMin);
  EXPECT_EQ(Round(9223372036854775808.0), kMax);
  EXPECT_EQ(Round(-9223372036854775808.0), kMin);  // exactly representable
}

// Round must not follow the FPU's rounding mode (std::nearbyint would).
TEST(Rounding, RoundIgnoresTheFloatingPointRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (const RoundCase& c : kRoundCases) {
      volatile double x = c.x;  // keep the compiler from folding at build time
      EXPECT_EQ(Round(x), c.round) << "mode " << mode << " Round(" << c.x << ")";
      EXPECT_EQ(Trunc(x), c.trunc) << "mode " << mode << " Trunc(" << c.x << ")";
    }
  }
  std::fesetround(saved);
}

TEST(Rounding, WrapToInt32KeepsTheLow32Bits) {
  EXPECT_EQ(WrapToInt32(5), 5);
  EXPECT_EQ(WrapToInt32(-128), -128);
  EXPECT_EQ(WrapToInt32(0x1'0000'0000LL + 44), 44);
  EXPECT_EQ(WrapToInt32(0xFFFF'FFFFLL), -1);
  EXPECT_EQ(WrapToInt32(2147483648LL), -2147483647 - 1);
}

struct MulDivCase {
  std::int32_t number, numerator, denominator, result;
};

constexpr MulDivCase kMulDivCases[] = {
    {10, 3, 2, 15},
    {1, 1, 2, 1},    // 0.5 -> 1, half away from zero
    {3, 1, 2, 2},    // 1.5 -> 2
    {5, 1, 2, 3},    // 2.5 -> 3, not to even
    {-1, 1, 2, -1},  // -0.5 -> -1
    {-5, 1, 2, -3},
    {5, -1, 2, -3},
    {5, 1, -2, -3},
    {-5, 1, -2, 3},
    {1, 1, 3, 0},  // 0.33
    {2, 1, 3, 1},  // 0.67
    {-2, 1, 3, -1},
    {0, -7, 3, 0},
    {255, 100, 200, 128},  // 127.5 -> 128
    {255, 50, 100, 128},
    {2147483647, 2147483647, 2147483647, 2147483647},  // 64-bit product
    {65536, 65536, 2, -1},                             // 2^31: out of range
    {-2147483647 - 1, 1, 1, -1},                       // -2^31 is refused as well
    {-2147483647, 1, 1, -2147483647},
    {7, 7, 0, -1},  // zero denominator
    {-2147483647 - 1, -2147483647 - 1, -2147483647 - 1, -1},
    {-2147483647 - 1, 1, -1, -1},
};

TEST(Rounding, MulDivTable) {
  for (const MulDivCase& c : kMulDivCases) {
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.result)
        << "MulDiv(" << c.number << ", " << c.numerator << ", " << c.denominator << ")";
  }
  static_assert(MulDiv(255, 100, 200) == 128, "MulDiv is usable at compile time");
}

}  // namespace
}  // namespace tw
