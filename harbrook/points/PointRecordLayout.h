#pragma once
// Where each point record field lies in a record file of N entries. The file holds the records
// column by column: one array of N values per field, in record order, so entry i of the column that
// starts at record offset o (width w) lies at kDataOffset + N * o + i * w. Longitude and latitude
// form one 8-byte column, and so do the last 15 unit bytes.
#include <points/PointRecord.h>

#include <cstddef>
#include <cstdint>

namespace points {

struct PointColumn {
    std::size_t recordOffset;
    std::size_t width;
};

#define HARBROOK_POINT_COLUMN(field) \
    PointColumn { offsetof(PointRecord, field), sizeof(PointRecord::field) }

inline constexpr PointColumn kPointColumns[] = {
    HARBROOK_POINT_COLUMN(slot),
    HARBROOK_POINT_COLUMN(group),
    HARBROOK_POINT_COLUMN(name),
    {offsetof(PointRecord, longitude), 8},  // longitude and latitude as one pair
    HARBROOK_POINT_COLUMN(unit56),
    HARBROOK_POINT_COLUMN(unit60),
    HARBROOK_POINT_COLUMN(unit62),
    HARBROOK_POINT_COLUMN(unit64),
    HARBROOK_POINT_COLUMN(unit66),
    HARBROOK_POINT_COLUMN(reading),
    HARBROOK_POINT_COLUMN(telephone),
    HARBROOK_POINT_COLUMN(unit140),
    HARBROOK_POINT_COLUMN(pictureName),
    HARBROOK_POINT_COLUMN(date1),
    HARBROOK_POINT_COLUMN(time1),
    HARBROOK_POINT_COLUMN(date2),
    HARBROOK_POINT_COLUMN(time2),
    HARBROOK_POINT_COLUMN(unit220),
    HARBROOK_POINT_COLUMN(unitBlock),
    HARBROOK_POINT_COLUMN(unit286),
    HARBROOK_POINT_COLUMN(unit318),
    HARBROOK_POINT_COLUMN(unit322),
    HARBROOK_POINT_COLUMN(unit324),
    HARBROOK_POINT_COLUMN(unit326),
    HARBROOK_POINT_COLUMN(unit328),
    HARBROOK_POINT_COLUMN(commentName),
    HARBROOK_POINT_COLUMN(unit362),
    HARBROOK_POINT_COLUMN(unit364),
    HARBROOK_POINT_COLUMN(unit366),
    HARBROOK_POINT_COLUMN(unit370),
    HARBROOK_POINT_COLUMN(unit374),
    HARBROOK_POINT_COLUMN(unit375),
};

#undef HARBROOK_POINT_COLUMN

// The columns must tile the record without gaps, or entries would lose bytes.
constexpr bool pointColumnsTileTheRecord() {
    std::size_t next = 0;
    for (const auto& c : kPointColumns) {
        if (c.recordOffset != next) return false;
        next += c.width;
    }
    return next == sizeof(PointRecord);
}
static_assert(pointColumnsTileTheRecord());

class PointRecordLayout {
public:

    // entryCount is kSlotCount (the unit's file) or kPcEntryCount (PC work file, card copy).
    explicit constexpr PointRecordLayout(int entryCount) : m_entries(entryCount) {}

    int entryCount() const { return m_entries; }
    std::size_t arraysSize() const { return sizeof(PointRecord) * n(); }  // 390 x N
    std::size_t dataSize() const { return (sizeof(PointRecord) + 2) * n(); }  // arrays + 2 x N zeros
    std::size_t trailerOffset() const;
    std::size_t trailerSize() const;
    std::size_t fileSize() const { return trailerOffset() + trailerSize(); }

    // File offset at which the array of column `column` starts.
    std::size_t arrayStart(std::size_t column) const;

    // Copies entry `index` between a record and the column arrays (which begin at data offset 40,
    // so `arrays` points at the file's byte 40). The caller keeps index below entryCount().
    void scatter(const PointRecord& record, int index, std::uint8_t* arrays) const;
    void gather(const std::uint8_t* arrays, int index, PointRecord& record) const;

private:
    std::size_t n() const { return static_cast<std::size_t>(m_entries); }
    int m_entries;
};

}  // namespace points
