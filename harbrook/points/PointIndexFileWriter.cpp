#include <points/PointIndexFileWriter.h>

#include <points/PointFileHeader.h>
#include <points/PointFileIo.h>

#include <platform/Cp932.h>

#include <cstring>

namespace points {

static_assert(PointIndexFileWriter::kFileSize ==
              sizeof(PointFileHeader) + sizeof(PointIndexEntry) * PointIndexFileWriter::kEntryCount +
                  PointIndexFileWriter::kTrailerSize);

PointIndexFileWriter::PointIndexFileWriter(const char (&kind)[5]) {
    std::memcpy(m_kind, kind, sizeof m_kind);
    std::memset(m_entries, 0, sizeof m_entries);
    for (auto& e : m_entries) e.slot = -1;
}

bool PointIndexFileWriter::add(std::int16_t slot, std::int16_t changeCode,
                               std::string_view fileName) {
    if (m_used >= kEntryCount) return false;
    auto& e = m_entries[m_used++];
    e.slot = slot;
    e.changeCode = changeCode;
    platform::copyCp932Field(e.fileName, sizeof e.fileName, fileName);
    return true;
}

std::vector<std::uint8_t> PointIndexFileWriter::bytes(const PointStamp& stamp) const {
    const auto header = PointFileHeader::make(m_kind, sizeof m_entries, kTrailerSize, stamp);
    std::vector<std::uint8_t> file(kFileSize, 0);
    std::memcpy(file.data(), &header, sizeof header);
    std::memcpy(file.data() + sizeof header, m_entries, sizeof m_entries);
    return file;
}

bool PointIndexFileWriter::write(const std::string& path, const PointStamp& stamp) const {
    const auto file = bytes(stamp);
    return writeWholeFile(path, file.data(), file.size());
}

}  // namespace points
