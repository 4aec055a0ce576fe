#include "fixture_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tw::test {

std::string FixtureBytes(const char* folder, const char* name) {
  std::ifstream in(std::filesystem::path(TW_TEST_DATA_DIR) / folder / name, std::ios::binary);
  EXPECT_TRUE(in.is_open()) << folder << "/" << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tw::test
