#pragma once

// What a harness does when a property does not hold: print what was expected
// and abort, which libFuzzer reports as a crash and keeps the input for.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "check_result.h"

namespace tw::fuzz {

inline void Expect(bool condition, std::string_view what) {
  if (condition) return;
  std::fprintf(stderr, "property failed: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

// Aborts with every finding of one of the mutation run's checks.
inline void ExpectNoFindings(const CheckResult& result) {
  if (result.findings.empty()) return;
  for (const std::string& finding : result.findings) {
    std::fprintf(stderr, "finding: %s\n", finding.c_str());
  }
  std::abort();
}

}  // namespace tw::fuzz
