#pragma once
// Writes a picture index "POINTIMG.DAT" or a comment index "POINTCMT.DAT": header, 200 entries of
// 36 bytes (used ones first), 7212 zero bytes. Only the unit reads these files.
#include <points/PointStamp.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace points {

#pragma pack(push, 1)
struct PointIndexEntry {
    std::int16_t slot;  // -1 = unused entry
    std::int16_t changeCode;  // kChangeNew, kChangeChanged or kChangeNone
    char fileName[32];
};
#pragma pack(pop)
static_assert(sizeof(PointIndexEntry) == 36);
static_assert(offsetof(PointIndexEntry, changeCode) == 2);
static_assert(offsetof(PointIndexEntry, fileName) == 4);

class PointIndexFileWriter {
public:
    static constexpr int kEntryCount = 200;
    static constexpr std::uint32_t kTrailerSize = 7212;
    static constexpr std::size_t kFileSize = 14452;

    // Change codes: the item has no copy on the unit, came from the unit and was changed, or came
    // from the unit unchanged.
    static constexpr std::int16_t kChangeNew = 2;
    static constexpr std::int16_t kChangeChanged = 3;
    static constexpr std::int16_t kChangeNone = 0;

    // kind is kPictureIndexKind or kCommentIndexKind.
    explicit PointIndexFileWriter(const char (&kind)[5]);

    // Appends an entry; false (and nothing added) once 200 entries are used.
    bool add(std::int16_t slot, std::int16_t changeCode, std::string_view fileName);
    int size() const { return m_used; }

    std::vector<std::uint8_t> bytes(const PointStamp& stamp) const;
    bool write(const std::string& path, const PointStamp& stamp) const;

private:
    char m_kind[5];
    PointIndexEntry m_entries[kEntryCount];
    int m_used = 0;
};

}  // namespace points
