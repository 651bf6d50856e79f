#include <points/PointFileHeader.h>

#include <cstring>

namespace points {

PointFileHeader PointFileHeader::make(const char (&kind)[5], std::uint32_t dataSize,
                                      std::uint32_t trailerSize, const PointStamp& stamp) {
    PointFileHeader header;
    std::memset(&header, 0, sizeof header);
    header.magic = kMagic;
    std::memcpy(header.kind, kind, sizeof header.kind);
    std::memcpy(header.version, "1.00", 4);
    header.date = stamp.date;
    header.time = stamp.time;
    header.dataSize = dataSize;
    header.dataOffset = kDataOffset;
    header.trailerSize = trailerSize;
    header.trailerOffset = kDataOffset + dataSize;
    return header;
}

bool PointFileHeader::hasMagicAndKind(const char (&expectedKind)[5]) const {
    return magic == kMagic && std::memcmp(kind, expectedKind, sizeof kind) == 0;
}

}  // namespace points
