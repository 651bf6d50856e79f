// The group file comes from the unit: any bytes must be refused or read within bounds, and a
// refused file must leave the group table untouched.
#include <points/PointGroupFileReader.h>

#include <platform/Cp932.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace points;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PointGroupTable table;
    std::memset(&table, 0x5A, sizeof table);
    const PointGroupTable before = table;
    if (PointGroupFileReader::parse(data, size, table) != 0) {
        if (std::memcmp(&table, &before, sizeof table) != 0) __builtin_trap();
        return 0;
    }
    std::size_t total = 0;
    for (const auto& group : table.groups)
        total += platform::fieldText(group.name, sizeof group.name).size();
    if (total > sizeof table) __builtin_trap();
    return 0;
}
