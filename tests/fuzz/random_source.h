#pragma once

#include <cstddef>
#include <cstdint>

namespace tw::fuzz {

// SplitMix64: the same numbers from the same seed on every compiler and
// platform, which the standard distributions do not promise.
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }

  // 0 … bound-1; 0 for a bound of 0. The slight modulo bias does not matter
  // for choosing mutations.
  std::size_t Below(std::size_t bound) {
    return bound == 0 ? 0 : static_cast<std::size_t>(Next() % bound);
  }

  bool OneIn(std::size_t n) { return Below(n) == 0; }

 private:
  std::uint64_t state_;
};

}  // namespace tw::fuzz
