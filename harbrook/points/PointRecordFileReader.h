#pragma once
// Reads a record file ("POINTREC.V04" or a PC work file): the header and the column arrays. The
// file is untrusted: every size is checked before any entry is read.
#include <points/PointFileHeader.h>
#include <points/PointRecord.h>
#include <points/PointRecordLayout.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace points {

class PointRecordFileReader {
public:
    // Entry count the file must have (kSlotCount or kPcEntryCount); kAnyLayout accepts either and
    // takes the layout from the header's data size.
    static constexpr int kAnyLayout = 0;
    explicit PointRecordFileReader(int entryCount);

    // Result code: 0; kRecordReadFailed (19) when the file cannot be opened; kRecordFormatWrong (9)
    // on a short read, a read error or a wrong data size; kRecordFileBroken (13) on a wrong magic
    // or kind. A failed read leaves the reader empty.
    int read(const std::string& path);
    int parse(const std::uint8_t* data, std::size_t size);

    bool isLoaded() const { return m_layout.entryCount() != 0; }
    const PointFileHeader& header() const { return m_header; }
    // Entry count of the loaded file, 0 before a successful read.
    int entryCount() const { return m_layout.entryCount(); }
    const PointRecordLayout& layout() const { return m_layout; }

    // Entry `index` of the loaded file. Outside the file's entries the record is left empty (slot
    // number -1) and the result is false.
    bool entry(int index, PointRecord& record) const;

private:
    static constexpr std::size_t kHeaderSize = sizeof(PointFileHeader);
    int layoutForDataSize(std::uint32_t dataSize) const;
    void clear();

    int m_requiredEntries;
    PointFileHeader m_header{};
    PointRecordLayout m_layout{0};
    std::vector<std::uint8_t> m_arrays;
};

}  // namespace points
