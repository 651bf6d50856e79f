#include <points/PointPictureFileWriter.h>

#include <points/PointFileIo.h>

#include <cstring>

namespace points {

std::vector<std::uint8_t> PointPictureFileWriter::bytes(const PictureHolder& picture) {
    if (!picture.hasBits()) return {};
    const auto& bits = picture.bits();

    BitmapFileHeader file{};
    file.type[0] = 'B';
    file.type[1] = 'M';
    file.fileSize = static_cast<std::uint32_t>(kBitsOffset + bits.size());
    file.bitsOffset = kBitsOffset;

    BitmapInfoHeader info{};
    info.size = sizeof info;
    info.width = picture.width();
    info.height = picture.height();
    info.planes = 1;
    info.bitCount = 24;
    info.xPixelsPerMetre = 1;
    info.yPixelsPerMetre = 1;

    std::vector<std::uint8_t> out(kBitsOffset + bits.size());
    std::memcpy(out.data(), &file, sizeof file);
    std::memcpy(out.data() + sizeof file, &info, sizeof info);
    std::memcpy(out.data() + kBitsOffset, bits.data(), bits.size());
    return out;
}

bool PointPictureFileWriter::write(const std::string& path, const PictureHolder& picture) {
    const auto file = bytes(picture);
    return !file.empty() && writeWholeFile(path, file.data(), file.size());
}

}  // namespace points
