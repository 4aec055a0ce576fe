#include "core/instances/instance_record.h"

#include <algorithm>

namespace tw {
namespace {

constexpr std::size_t kLimitOffset = 0;
constexpr std::size_t kCountOffset = 2;
constexpr std::size_t kIdsOffset = 4;

static_assert(kIdsOffset + kInstanceRecordCapacity * 4 == kInstanceRecordSize);

std::uint16_t ReadU16(ConstInstanceRecord record, std::size_t offset) {
  return static_cast<std::uint16_t>(record[offset] | record[offset + 1] << 8);
}

void WriteU16(InstanceRecord record, std::size_t offset, std::uint16_t value) {
  record[offset] = static_cast<std::uint8_t>(value);
  record[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint32_t ReadU32(ConstInstanceRecord record, std::size_t offset) {
  return static_cast<std::uint32_t>(record[offset]) |
         static_cast<std::uint32_t>(record[offset + 1]) << 8 |
         static_cast<std::uint32_t>(record[offset + 2]) << 16 |
         static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

void WriteU32(InstanceRecord record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    record[offset + i] = static_cast<std::uint8_t>(value >> 8 * i);
}

std::size_t IdOffset(std::size_t index) { return kIdsOffset + index * 4; }

void SetCount(InstanceRecord record, std::size_t count) {
  WriteU16(record, kCountOffset, static_cast<std::uint16_t>(count));
}

}  // namespace

std::uint16_t InstanceLimit(ConstInstanceRecord record) { return ReadU16(record, kLimitOffset); }

std::size_t InstanceCount(ConstInstanceRecord record) {
  return std::min<std::size_t>(ReadU16(record, kCountOffset), kInstanceRecordCapacity);
}

std::uint32_t InstanceIdAt(ConstInstanceRecord record, std::size_t index) {
  return index < InstanceCount(record) ? ReadU32(record, IdOffset(index)) : 0;
}

std::vector<std::uint32_t> InstanceIds(ConstInstanceRecord record) {
  std::vector<std::uint32_t> ids(InstanceCount(record));
  for (std::size_t i = 0; i < ids.size(); ++i) ids[i] = ReadU32(record, IdOffset(i));
  return ids;
}

bool RegisterInstance(InstanceRecord record, std::uint16_t limit, std::uint32_t processId) {
  if (InstanceLimit(record) == 0) WriteU16(record, kLimitOffset, limit);
  const std::uint16_t stored = InstanceLimit(record);
  const std::size_t count = InstanceCount(record);
  const bool belowLimit = stored == 0 || count < stored;
  if (count < kInstanceRecordCapacity) {
    WriteU32(record, IdOffset(count), processId);
    SetCount(record, count + 1);
  }
  return belowLimit;
}

bool UnregisterInstance(InstanceRecord record, std::uint32_t processId) {
  const std::size_t count = InstanceCount(record);
  for (std::size_t i = 0; i < count; ++i) {
    if (ReadU32(record, IdOffset(i)) != processId) continue;
    for (std::size_t j = i + 1; j < count; ++j)
      WriteU32(record, IdOffset(j - 1), ReadU32(record, IdOffset(j)));
    SetCount(record, count - 1);
    return true;
  }
  return false;
}

}  // namespace tw
