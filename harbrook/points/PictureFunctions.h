#pragma once
// What the picture module offers: decoding a picture file's bytes with Qt's image readers.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace points {

struct PictureFunctions {
    // Raised whenever this table or the types it passes change, so a stale module is refused.
    static constexpr int kVersion = 1;
    static constexpr const char* kModuleFile = "libharbrook-pictures.so";
    static constexpr const char* kEntryName = "harbrook_picture_functions";

    int version = kVersion;
    // Decodes the bytes of a picture file, upright, scaled to fit (boundWidth, boundHeight) as
    // PictureLoader::fittedSize says (at least one pixel each way), into 24-bit bottom-up rows
    // (PictureHolder's layout) with transparent parts over black. False when it is no picture.
    bool (*decode)(const std::uint8_t* bytes, std::size_t size, int boundWidth, int boundHeight,
                   int* width, int* height, std::vector<std::uint8_t>* bits) = nullptr;
};

}  // namespace points
