#include <points/PointRecordFileWriter.h>

#include <points/PointFileHeader.h>
#include <points/PointFileIo.h>

#include <cstring>

namespace points {

PointRecordFileWriter::PointRecordFileWriter(int entryCount)
    : m_layout(entryCount), m_arrays(m_layout.arraysSize(), 0) {
    // The slot number column comes first: N values of -1.
    std::memset(m_arrays.data(), 0xFF, sizeof(PointRecord::slot) * entryCount);
}

bool PointRecordFileWriter::setEntry(int index, const PointRecord& record) {
    if (index < 0 || index >= m_layout.entryCount()) return false;
    m_layout.scatter(record, index, m_arrays.data());
    return true;
}

std::vector<std::uint8_t> PointRecordFileWriter::bytes(const PointStamp& stamp) const {
    const auto header = PointFileHeader::make(kRecordFileKind,
                                              static_cast<std::uint32_t>(m_layout.dataSize()),
                                              static_cast<std::uint32_t>(m_layout.trailerSize()),
                                              stamp);
    std::vector<std::uint8_t> file(m_layout.fileSize(), 0);
    std::memcpy(file.data(), &header, sizeof header);
    std::memcpy(file.data() + sizeof header, m_arrays.data(), m_arrays.size());
    return file;
}

bool PointRecordFileWriter::write(const std::string& path, const PointStamp& stamp) const {
    const auto file = bytes(stamp);
    return writeWholeFile(path, file.data(), file.size());
}

}  // namespace points
