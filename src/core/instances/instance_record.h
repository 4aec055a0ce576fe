#pragma once

// The list of running copies that every copy of the program shares through
// named memory: 1032 bytes, little-endian, laid out as
//   offset 0  u16  the limit of copies (0: none)
//   offset 2  u16  the number of registered process ids
//   offset 4  257 × u32  the process ids, oldest first
// Copies of other builds read and write the same bytes, so the layout never
// changes. Any process may have written the count: it is never trusted past
// the end of the record.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tw {

inline constexpr std::size_t kInstanceRecordSize = 1032;
inline constexpr std::size_t kInstanceRecordCapacity = 257;

using InstanceRecord = std::span<std::uint8_t, kInstanceRecordSize>;
using ConstInstanceRecord = std::span<const std::uint8_t, kInstanceRecordSize>;

std::uint16_t InstanceLimit(ConstInstanceRecord record);
// The stored count, bounded by the 257 places the record has.
std::size_t InstanceCount(ConstInstanceRecord record);
// The process id at `index`, or 0 at and beyond the count.
std::uint32_t InstanceIdAt(ConstInstanceRecord record, std::size_t index);
// The registered process ids, oldest first.
std::vector<std::uint32_t> InstanceIds(ConstInstanceRecord record);

// One list's share of the admission check: stores `limit` when the list has
// none yet, answers whether the list was below its limit before this
// registration, and appends `processId`. A full list takes no more ids, and
// the answer then still follows its limit.
bool RegisterInstance(InstanceRecord record, std::uint16_t limit, std::uint32_t processId);

// Removes the first registration of `processId`, moving the later ones
// down; false when it is not registered.
bool UnregisterInstance(InstanceRecord record, std::uint32_t processId);

}  // namespace tw
