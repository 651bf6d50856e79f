#pragma once
// Writes a point's picture file (IMG/*.BMP): a Windows bitmap with a 14-byte file header, a
// 40-byte information header and the holder's 24-bit rows, bottom-up.
#include <points/PictureHolder.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace points {

#pragma pack(push, 1)
struct BitmapFileHeader {
    char type[2];  // "BM"
    std::uint32_t fileSize;
    std::uint16_t reserved1;
    std::uint16_t reserved2;
    std::uint32_t bitsOffset;  // 54
};

struct BitmapInfoHeader {
    std::uint32_t size;  // 40
    std::int32_t width;
    std::int32_t height;  // positive: rows run bottom-up
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::int32_t xPixelsPerMetre;
    std::int32_t yPixelsPerMetre;
    std::uint32_t coloursUsed;
    std::uint32_t coloursImportant;
};
#pragma pack(pop)

static_assert(sizeof(BitmapFileHeader) == 14);
static_assert(offsetof(BitmapFileHeader, fileSize) == 2);
static_assert(offsetof(BitmapFileHeader, bitsOffset) == 10);
static_assert(sizeof(BitmapInfoHeader) == 40);
static_assert(offsetof(BitmapInfoHeader, bitCount) == 14);
static_assert(offsetof(BitmapInfoHeader, xPixelsPerMetre) == 24);
static_assert(offsetof(BitmapInfoHeader, coloursImportant) == 36);

class PointPictureFileWriter {
public:
    static constexpr std::size_t kBitsOffset = sizeof(BitmapFileHeader) + sizeof(BitmapInfoHeader);

    // The file's bytes; empty when the holder has no bits.
    static std::vector<std::uint8_t> bytes(const PictureHolder& picture);
    // False when the holder has no bits or the file cannot be written.
    static bool write(const std::string& path, const PictureHolder& picture);
};

}  // namespace points
