#include <points/PointRecordFileReader.h>

#include <points/PointFileIo.h>
#include <points/PointResult.h>

#include <cstring>

namespace points {

PointRecordFileReader::PointRecordFileReader(int entryCount) : m_requiredEntries(entryCount) {}

int PointRecordFileReader::read(const std::string& path) {
    clear();
    const int largest = m_requiredEntries == kAnyLayout ? kSlotCount : m_requiredEntries;
    std::vector<std::uint8_t> bytes;
    switch (readFilePrefix(path, kHeaderSize + PointRecordLayout(largest).arraysSize(), bytes)) {
    case FileRead::CannotOpen:
        return kRecordReadFailed;
    case FileRead::ReadError:
        return kRecordFormatWrong;
    case FileRead::Ok:
        break;
    }
    return parse(bytes.data(), bytes.size());
}

int PointRecordFileReader::parse(const std::uint8_t* data, std::size_t size) {
    clear();
    if (size < kHeaderSize) return kRecordFormatWrong;
    std::memcpy(&m_header, data, kHeaderSize);
    // A file of a fixed layout must hold its arrays before its header is judged.
    if (m_requiredEntries != kAnyLayout &&
        size < kHeaderSize + PointRecordLayout(m_requiredEntries).arraysSize())
        return kRecordFormatWrong;
    if (!m_header.hasMagicAndKind(kRecordFileKind)) return kRecordFileBroken;
    const int entries = layoutForDataSize(m_header.dataSize);
    if (entries == 0) return kRecordFormatWrong;
    const PointRecordLayout layout(entries);
    if (size < kHeaderSize + layout.arraysSize()) return kRecordFormatWrong;
    m_arrays.assign(data + kHeaderSize, data + kHeaderSize + layout.arraysSize());
    m_layout = layout;
    return kPointOk;
}

int PointRecordFileReader::layoutForDataSize(std::uint32_t dataSize) const {
    for (int entries : {kSlotCount, kPcEntryCount}) {
        if (m_requiredEntries != kAnyLayout && m_requiredEntries != entries) continue;
        if (dataSize == PointRecordLayout(entries).dataSize()) return entries;
    }
    return 0;
}

bool PointRecordFileReader::entry(int index, PointRecord& record) const {
    if (index < 0 || index >= m_layout.entryCount()) {
        clearPointRecord(record);
        return false;
    }
    m_layout.gather(m_arrays.data(), index, record);
    return true;
}

void PointRecordFileReader::clear() {
    std::memset(&m_header, 0, sizeof m_header);
    m_layout = PointRecordLayout(0);
    m_arrays.clear();
}

}  // namespace points
