#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tw::fuzz {

// What one input did: the parser's outcome, tallied to show which paths the
// run reached, and every expectation that did not hold.
struct CheckResult {
  std::string outcome;
  std::vector<std::string> findings;

  void Expect(bool condition, std::string what) {
    if (!condition) findings.push_back(std::move(what));
  }
};

}  // namespace tw::fuzz
