#pragma once
// The group table of the unit's group file: 13 entries of 64 bytes for groups 0 to 12. Bytes 4 to
// 63 of an entry hold the group's name (CP932, NUL-terminated); bytes 0 to 3 are kept as read.
#include <cstddef>
#include <cstdint>

namespace points {

constexpr int kGroupCount = 13;

#pragma pack(push, 1)
struct PointGroupEntry {
    std::uint8_t head[4];
    char name[60];
};

struct PointGroupTable {
    PointGroupEntry groups[kGroupCount];
};
#pragma pack(pop)

static_assert(sizeof(PointGroupEntry) == 64);
static_assert(offsetof(PointGroupEntry, name) == 4);
static_assert(sizeof(PointGroupTable) == 832);

}  // namespace points
