#include "core/instances/instance_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tw {
namespace {

// Exactly the record's size on the heap, so that the sanitizer build catches
// a single byte read or written past its end.
class Record {
 public:
  Record(std::uint16_t limit, std::uint16_t count, const std::vector<std::uint32_t>& ids = {})
      : bytes_(kInstanceRecordSize) {
    Put(0, limit, 2);
    Put(2, count, 2);
    for (std::size_t i = 0; i < ids.size(); ++i) Put(4 + 4 * i, ids[i], 4);
  }
  InstanceRecord View() { return InstanceRecord(bytes_.data(), kInstanceRecordSize); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  void Put(std::size_t offset, std::uint32_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
      bytes_[offset + i] = static_cast<std::uint8_t>(value >> 8 * i);
  }
  std::vector<std::uint8_t> bytes_;
};

TEST(InstanceRecord, IsLittleEndianLimitCountThenIds) {
  Record record(0, 0);
  EXPECT_TRUE(RegisterInstance(record.View(), 1, 0x12345678));
  const std::vector<std::uint8_t> head(record.Bytes().begin(), record.Bytes().begin() + 8);
  EXPECT_EQ(head, (std::vector<std::uint8_t>{0x01, 0x00, 0x01, 0x00, 0x78, 0x56, 0x34, 0x12}));
}

struct RegisterCase {
  const char* name;
  std::uint16_t storedLimit;
  std::vector<std::uint32_t> registered;
  std::uint16_t limit;  // the caller's
  bool admitted;
  std::uint16_t limitAfter;
};

void PrintTo(const RegisterCase& c, std::ostream* out) { *out << c.name; }

class RegisterInstanceTest : public testing::TestWithParam<RegisterCase> {};

TEST_P(RegisterInstanceTest, AnswersByTheStoredLimitAndAppends) {
  const RegisterCase& c = GetParam();
  Record record(c.storedLimit, static_cast<std::uint16_t>(c.registered.size()), c.registered);
  EXPECT_EQ(RegisterInstance(record.View(), c.limit, 99), c.admitted);
  EXPECT_EQ(InstanceLimit(record.View()), c.limitAfter);
  std::vector<std::uint32_t> expected = c.registered;
  expected.push_back(99);  // appended whatever the answer
  EXPECT_EQ(InstanceIds(record.View()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegisterInstanceTest,
    testing::Values(RegisterCase{"FirstCopySetsTheLimit", 0, {}, 1, true, 1},
                    RegisterCase{"SecondCopyIsRefused", 1, {10}, 1, false, 1},
                    RegisterCase{"StoredLimitWinsOverTheCallers", 2, {10}, 1, true, 2},
                    RegisterCase{"ReachedStoredLimitRefuses", 2, {10, 11}, 5, false, 2},
                    RegisterCase{"NoLimitAdmitsAll", 0, {10, 11, 12}, 0, true, 0},
                    RegisterCase{"LimitIsSetByTheFirstCheckOnly", 0, {10, 11}, 1, false, 1}),
    [](const testing::TestParamInfo<RegisterCase>& info) { return info.param.name; });

TEST(InstanceRecord, UnregisterMovesTheLaterIdsDown) {
  Record record(1, 4, {10, 11, 12, 11});
  EXPECT_TRUE(UnregisterInstance(record.View(), 11));  // the first of two
  EXPECT_EQ(InstanceIds(record.View()), (std::vector<std::uint32_t>{10, 12, 11}));
  EXPECT_TRUE(UnregisterInstance(record.View(), 10));
  EXPECT_TRUE(UnregisterInstance(record.View(), 11));
  EXPECT_EQ(InstanceIds(record.View()), (std::vector<std::uint32_t>{12}));
  EXPECT_EQ(InstanceLimit(record.View()), 1);
}

TEST(InstanceRecord, UnregisteringAnAbsentIdChangesNothing) {
  Record record(1, 2, {10, 11, 12});  // 12 lies beyond the count
  const std::vector<std::uint8_t> before = record.Bytes();
  EXPECT_FALSE(UnregisterInstance(record.View(), 12));
  EXPECT_FALSE(UnregisterInstance(record.View(), 0));
  EXPECT_EQ(record.Bytes(), before);
}

TEST(InstanceRecord, IdsAtAndBeyondTheCountReadAsZero) {
  Record record(1, 2, {10, 11, 12});
  EXPECT_EQ(InstanceIdAt(record.View(), 0), 10u);
  EXPECT_EQ(InstanceIdAt(record.View(), 1), 11u);
  EXPECT_EQ(InstanceIdAt(record.View(), 2), 0u);
  EXPECT_EQ(InstanceIdAt(record.View(), 100000), 0u);
}

// Counts that another process may have written: none may carry a read or a
// write past the record's 257 places.
struct CorruptCountCase {
  std::uint16_t count;
  std::size_t bounded;
};

class CorruptCountTest : public testing::TestWithParam<CorruptCountCase> {};

TEST_P(CorruptCountTest, IsBoundedByTheRecordsCapacity) {
  std::vector<std::uint32_t> ids(kInstanceRecordCapacity);
  for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = static_cast<std::uint32_t>(1000 + i);
  Record record(1, GetParam().count, ids);
  EXPECT_EQ(InstanceCount(record.View()), GetParam().bounded);
  EXPECT_EQ(InstanceIds(record.View()).size(), GetParam().bounded);
  EXPECT_EQ(InstanceIdAt(record.View(), kInstanceRecordCapacity - 1),
            GetParam().bounded == kInstanceRecordCapacity ? 1256u : 0u);

  const std::vector<std::uint8_t> before = record.Bytes();
  if (GetParam().bounded == kInstanceRecordCapacity) {
    // Full: refused by the limit, and nothing is written.
    EXPECT_FALSE(RegisterInstance(record.View(), 1, 7));
    EXPECT_EQ(record.Bytes(), before);
  }
  // The last registered id can always be taken out again.
  const std::uint32_t last = InstanceIdAt(record.View(), GetParam().bounded - 1);
  EXPECT_TRUE(UnregisterInstance(record.View(), last));
  EXPECT_EQ(InstanceCount(record.View()), GetParam().bounded - 1);
}

INSTANTIATE_TEST_SUITE_P(Counts, CorruptCountTest,
                         testing::Values(CorruptCountCase{256, 256}, CorruptCountCase{257, 257},
                                         CorruptCountCase{258, 257}, CorruptCountCase{65535, 257}));

TEST(InstanceRecord, FullListWithoutLimitStillAdmits) {
  std::vector<std::uint32_t> ids(kInstanceRecordCapacity, 5);
  Record record(0, 65535, ids);
  EXPECT_TRUE(RegisterInstance(record.View(), 0, 7));
  EXPECT_EQ(InstanceIds(record.View()), ids);  // no room for 7
}

}  // namespace
}  // namespace tw
