#include "core/update/version_compare.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct NumbersCase {
  const char* version;
  int major;
  int minor;
};

const NumbersCase kNumbersCases[] = {
    {"10.2", 10, 2}, {"10.10", 10, 10},  {"10.2.1", 10, 0},       {"10", 0, 10},   {"", 0, 0},
    {".5", 0, 5},    {"5.", 5, 0},       {"a.b", 0, 0},           {"-1.3", -1, 3}, {" 7. 8", 7, 8},
    {"7 .8 ", 0, 0}, {"$B.x1F", 11, 31}, {"99999999999.1", 0, 1},
};

TEST(VersionNumbers, SplitAtTheFirstPointEachPartAnIntegerOrZero) {
  for (const NumbersCase& c : kNumbersCases) {
    SCOPED_TRACE(c.version);
    EXPECT_EQ(MajorVersionNumber(c.version), c.major);
    EXPECT_EQ(MinorVersionNumber(c.version), c.minor);
  }
}

struct CompareCase {
  const char* running;
  const char* latest;
  UpdateOutcome outcome;
};

const CompareCase kCompareCases[] = {
    {"10.1", "10.2", UpdateOutcome::kMinorUpgrade},
    {"10.1", "11.0", UpdateOutcome::kMajorUpgrade},
    {"10.1", "11.0.5", UpdateOutcome::kMajorUpgrade},
    {"10.1", "10.1", UpdateOutcome::kUpToDate},
    {"10.1", "9.9", UpdateOutcome::kUpToDate},
    {"10.1", "9.99", UpdateOutcome::kUpToDate},  // an older major never upgrades
    {"10.9", "10.10", UpdateOutcome::kMinorUpgrade},
    {"10.10", "10.9", UpdateOutcome::kUpToDate},
    {"10.1", "10.2.1", UpdateOutcome::kUpToDate},  // "2.1" is no integer: minor 0
    {"10.1", "10.2 Beta", UpdateOutcome::kUpToDate},
    {"10.1", "abc", UpdateOutcome::kUpToDate},
    {"1.0", "2", UpdateOutcome::kUpToDate},  // no point: major 0
    {"0.5", "7", UpdateOutcome::kMinorUpgrade},
    {"0.0", "0.1", UpdateOutcome::kMinorUpgrade},
};

TEST(VersionComparison, MajorThenMinorAgainstTheRunningVersion) {
  for (const CompareCase& c : kCompareCases) {
    SCOPED_TRACE(testing::Message() << c.running << " against " << c.latest);
    EXPECT_EQ(CompareWithRunningVersion(c.running, c.latest), c.outcome);
  }
}

}  // namespace
}  // namespace tw
