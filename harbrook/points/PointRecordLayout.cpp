#include <points/PointRecordLayout.h>

#include <points/PointFileHeader.h>

#include <cstring>

namespace points {

std::size_t PointRecordLayout::trailerOffset() const {
    return PointFileHeader::kDataOffset + dataSize();
}

// The trailers of the two layouts are fixed by the unit's file format.
std::size_t PointRecordLayout::trailerSize() const {
    return m_entries == kSlotCount ? 1032 : 668;
}

std::size_t PointRecordLayout::arrayStart(std::size_t column) const {
    return PointFileHeader::kDataOffset + n() * kPointColumns[column].recordOffset;
}

void PointRecordLayout::scatter(const PointRecord& record, int index, std::uint8_t* arrays) const {
    const auto* source = reinterpret_cast<const std::uint8_t*>(&record);
    const auto i = static_cast<std::size_t>(index);
    for (const auto& c : kPointColumns)
        std::memcpy(arrays + n() * c.recordOffset + i * c.width, source + c.recordOffset, c.width);
}

void PointRecordLayout::gather(const std::uint8_t* arrays, int index, PointRecord& record) const {
    auto* target = reinterpret_cast<std::uint8_t*>(&record);
    const auto i = static_cast<std::size_t>(index);
    for (const auto& c : kPointColumns)
        std::memcpy(target + c.recordOffset, arrays + n() * c.recordOffset + i * c.width, c.width);
}

}  // namespace points
