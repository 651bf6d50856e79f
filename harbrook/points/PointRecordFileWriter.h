#pragma once
// Builds and writes a record file: header, column arrays, 2 x N zero bytes and the zero trailer.
// Entries that are not set stay unused (slot number -1, every other byte zero).
#include <points/PointRecord.h>
#include <points/PointRecordLayout.h>
#include <points/PointStamp.h>

#include <cstdint>
#include <string>
#include <vector>

namespace points {

class PointRecordFileWriter {
public:
    // kSlotCount for the unit's file, kPcEntryCount for a PC work file or a card copy.
    explicit PointRecordFileWriter(int entryCount);

    // Stores `record` as entry `index`, byte for byte; false for an index outside the layout.
    bool setEntry(int index, const PointRecord& record);

    const PointRecordLayout& layout() const { return m_layout; }

    // The whole file, its header stamped with `stamp`.
    std::vector<std::uint8_t> bytes(const PointStamp& stamp) const;
    // Writes the file; the previous file at `path` is replaced only once the new one is complete.
    bool write(const std::string& path, const PointStamp& stamp) const;

private:
    PointRecordLayout m_layout;
    std::vector<std::uint8_t> m_arrays;
};

}  // namespace points
