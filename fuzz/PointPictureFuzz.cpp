// Point pictures come from the unit and the user's disk: any bytes must either load into a
// picture within the 128 x 102 bound whose bits match its size, or be refused leaving the previous
// picture as it was. A loaded picture written as the unit's bitmap loads back unchanged.
#include "support/MemoryFile.h"

#include <points/PictureHolder.h>
#include <points/PictureLoader.h>
#include <points/PointPictureFileWriter.h>

#include <cstdint>
#include <vector>

using points::PictureHolder;
using points::PictureLoader;

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

bool load(const std::vector<std::uint8_t>& bytes, PictureHolder& picture) {
    return PictureLoader::load(fuzzsupport::memoryFile(bytes.data(), bytes.size()),
                               PictureLoader::kPointPictureWidth,
                               PictureLoader::kPointPictureHeight, picture);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PictureHolder picture;
    picture.setBits(1, 1, {1, 2, 3, 0});
    if (!load(std::vector<std::uint8_t>(data, data + size), picture)) {
        check(picture.width() == 1 && picture.height() == 1 && picture.bits()[2] == 3);
        return 0;
    }
    check(picture.width() >= 1 && picture.width() <= PictureLoader::kPointPictureWidth);
    check(picture.height() >= 1 && picture.height() <= PictureLoader::kPointPictureHeight);
    check(picture.bits().size() ==
          picture.rowLength() * static_cast<std::size_t>(picture.height()));
    PictureHolder again;
    check(load(points::PointPictureFileWriter::bytes(picture), again));
    check(again.width() == picture.width() && again.height() == picture.height() &&
          again.bits() == picture.bits());
    return 0;
}
