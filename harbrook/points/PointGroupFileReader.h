#pragma once
// Reads the unit's group file "POINTGRP.V04" into a group table. The file is untrusted.
#include <points/PointGroupTable.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace points {

class PointGroupFileReader {
public:
    // Result code: 0; kFileUnreadable (2) when the file cannot be opened or its header and table
    // cannot be read completely; kGroupFileBroken (14) on a wrong magic or kind. `table` changes
    // only on success.
    static int read(const std::string& path, PointGroupTable& table);
    static int parse(const std::uint8_t* data, std::size_t size, PointGroupTable& table);
};

}  // namespace points
