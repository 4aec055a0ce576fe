#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tw::fuzz {

// Derives inputs from seed files by stacking random byte-level edits: bit
// flips, bytes that matter to the parsers (line breaks, NUL, byte-order mark
// bytes), format tokens, deleted, repeated and spliced ranges, long runs
// past the 64 KiB palette limit, and re-encoding as UTF-16.
class Mutator {
 public:
  Mutator(std::vector<std::string> seeds, std::vector<std::string> tokens);

  // Input number `index` of the run seeded `runSeed`. It depends on nothing
  // else, so a reported input can be made again alone.
  std::string Input(std::uint64_t runSeed, std::uint64_t index) const;

  std::size_t SeedCount() const { return seeds_.size(); }

 private:
  std::vector<std::string> seeds_;
  std::vector<std::string> tokens_;
};

}  // namespace tw::fuzz
