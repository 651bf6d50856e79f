#pragma once
// Writes the unit's group file "POINTGRP.V04": header, the 832-byte group table, 76 zero bytes.
#include <points/PointGroupTable.h>
#include <points/PointStamp.h>

#include <cstdint>
#include <string>
#include <vector>

namespace points {

class PointGroupFileWriter {
public:
    static constexpr std::uint32_t kTrailerSize = 76;
    static constexpr std::size_t kFileSize = 948;

    static std::vector<std::uint8_t> bytes(const PointGroupTable& table, const PointStamp& stamp);
    // The previous file is replaced only once the new one is complete.
    static bool write(const std::string& path, const PointGroupTable& table,
                      const PointStamp& stamp);
};

}  // namespace points
