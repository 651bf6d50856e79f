#include <points/PointGroupFileReader.h>

#include <points/PointFileHeader.h>
#include <points/PointFileIo.h>
#include <points/PointResult.h>

#include <cstring>
#include <vector>

namespace points {

namespace {
constexpr std::size_t kNeeded = sizeof(PointFileHeader) + sizeof(PointGroupTable);
}

int PointGroupFileReader::read(const std::string& path, PointGroupTable& table) {
    std::vector<std::uint8_t> bytes;
    if (readFilePrefix(path, kNeeded, bytes) != FileRead::Ok) return kFileUnreadable;
    return parse(bytes.data(), bytes.size(), table);
}

int PointGroupFileReader::parse(const std::uint8_t* data, std::size_t size,
                                PointGroupTable& table) {
    if (size < kNeeded) return kFileUnreadable;
    PointFileHeader header;
    std::memcpy(&header, data, sizeof header);
    if (!header.hasMagicAndKind(kGroupFileKind)) return kGroupFileBroken;
    std::memcpy(&table, data + sizeof header, sizeof table);
    return kPointOk;
}

}  // namespace points
