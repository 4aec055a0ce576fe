#pragma once

#include <string>

namespace tw::test {

// The bytes of tests/unit/data/<folder>/<name>; a file that cannot be read
// fails the test that asked for it.
std::string FixtureBytes(const char* folder, const char* name);

}  // namespace tw::test
