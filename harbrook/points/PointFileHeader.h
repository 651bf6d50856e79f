#pragma once
// The 40-byte header shared by the four fixed-layout point files.
#include <points/PointStamp.h>

#include <cstddef>
#include <cstdint>

namespace points {

#pragma pack(push, 1)
struct PointFileHeader {
    static constexpr std::uint32_t kMagic = 0x88888888u;
    static constexpr std::uint32_t kDataOffset = 40;

    std::uint32_t magic;
    char kind[4];  // "PORC", "POGP", "PIMG" or "PCMT", no terminator
    char version[8];  // "1.00", NUL-padded
    std::uint32_t date;  // stamp taken when the file was written
    std::uint32_t time;
    std::uint32_t dataSize;
    std::uint32_t dataOffset;  // always 40
    std::uint32_t trailerSize;
    std::uint32_t trailerOffset;

    // A header for a file of `kind` whose data of `dataSize` bytes is followed by the trailer.
    static PointFileHeader make(const char (&kind)[5], std::uint32_t dataSize,
                                std::uint32_t trailerSize, const PointStamp& stamp);

    // Magic and kind, the only things the readers check besides a record file's data size.
    bool hasMagicAndKind(const char (&expectedKind)[5]) const;
};
#pragma pack(pop)

static_assert(sizeof(PointFileHeader) == 40);
static_assert(offsetof(PointFileHeader, kind) == 4);
static_assert(offsetof(PointFileHeader, version) == 8);
static_assert(offsetof(PointFileHeader, date) == 16);
static_assert(offsetof(PointFileHeader, time) == 20);
static_assert(offsetof(PointFileHeader, dataSize) == 24);
static_assert(offsetof(PointFileHeader, dataOffset) == 28);
static_assert(offsetof(PointFileHeader, trailerSize) == 32);
static_assert(offsetof(PointFileHeader, trailerOffset) == 36);

// File kinds.
inline constexpr char kRecordFileKind[5] = "PORC";
inline constexpr char kGroupFileKind[5] = "POGP";
inline constexpr char kPictureIndexKind[5] = "PIMG";
inline constexpr char kCommentIndexKind[5] = "PCMT";

}  // namespace points
