#include <points/PictureLoader.h>

#include <points/PictureFunctions.h>
#include <points/PointFileIo.h>

#include <platform/LoadableModule.h>

#include <vector>

namespace points {
namespace {

// Picture files beyond this size are refused rather than read into memory.
constexpr std::size_t kMaxPictureFileBytes = 64u << 20;

const PictureFunctions* pictureFunctions() {
    static platform::LoadableModule module(reinterpret_cast<const void*>(&pictureFunctions),
                                           PictureFunctions::kModuleFile,
                                           PictureFunctions::kEntryName);
    return module.Functions<PictureFunctions>();
}

}  // namespace

bool PictureLoader::load(const std::string& path, int boundWidth, int boundHeight,
                         PictureHolder& picture) {
    std::vector<std::uint8_t> bytes;
    if (readFilePrefix(path, kMaxPictureFileBytes + 1, bytes) != FileRead::Ok) return false;
    if (bytes.empty() || bytes.size() > kMaxPictureFileBytes) return false;
    const PictureFunctions* functions = pictureFunctions();
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;
    if (!functions ||
        !functions->decode(bytes.data(), bytes.size(), boundWidth, boundHeight, &width, &height,
                           &bits))
        return false;
    return picture.setBits(width, height, std::move(bits));
}

}  // namespace points
