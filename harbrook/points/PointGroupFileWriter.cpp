#include <points/PointGroupFileWriter.h>

#include <points/PointFileHeader.h>
#include <points/PointFileIo.h>

#include <cstring>

namespace points {

static_assert(PointGroupFileWriter::kFileSize ==
              sizeof(PointFileHeader) + sizeof(PointGroupTable) + PointGroupFileWriter::kTrailerSize);

std::vector<std::uint8_t> PointGroupFileWriter::bytes(const PointGroupTable& table,
                                                      const PointStamp& stamp) {
    const auto header = PointFileHeader::make(kGroupFileKind, sizeof table, kTrailerSize, stamp);
    std::vector<std::uint8_t> file(kFileSize, 0);
    std::memcpy(file.data(), &header, sizeof header);
    std::memcpy(file.data() + sizeof header, &table, sizeof table);
    return file;
}

bool PointGroupFileWriter::write(const std::string& path, const PointGroupTable& table,
                                 const PointStamp& stamp) {
    const auto file = bytes(table, stamp);
    return writeWholeFile(path, file.data(), file.size());
}

}  // namespace points
