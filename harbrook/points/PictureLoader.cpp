#include <points/PictureLoader.h>

#include <points/PointFileIo.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace points {
namespace {

// Picture files beyond this size are refused rather than read into memory.
constexpr std::size_t kMaxPictureFileBytes = 64u << 20;

QImage decode(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (readFilePrefix(path, kMaxPictureFileBytes + 1, bytes) != FileRead::Ok) return {};
    if (bytes.empty() || bytes.size() > kMaxPictureFileBytes) return {};
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);  // upright, as the camera meant it
    return reader.read();
}

// 24-bit bottom-up rows of an image already at its final size; premultiplied colours are the
// picture composed over black.
std::vector<std::uint8_t> bottomUpRows(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = argb.width();
    const int height = argb.height();
    const std::size_t rowLength = PictureHolder::rowLengthFor(width);
    std::vector<std::uint8_t> bits(rowLength * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        std::uint8_t* row = bits.data() + static_cast<std::size_t>(height - 1 - y) * rowLength;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(qBlue(line[x]));
            row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(line[x]));
            row[3 * x + 2] = static_cast<std::uint8_t>(qRed(line[x]));
        }
    }
    return bits;
}

}  // namespace

std::pair<int, int> PictureLoader::fittedSize(int width, int height, int boundWidth,
                                              int boundHeight) {
    const std::int64_t w = width, h = height;
    const std::int64_t bw = boundWidth > 0 ? boundWidth : width;
    const std::int64_t bh = boundHeight > 0 ? boundHeight : height;
    if (w <= bw && h <= bh) return {width, height};
    if (w * bh == h * bw) return {static_cast<int>(bw), static_cast<int>(bh)};
    if (w * bh > h * bw) return {static_cast<int>(bw), static_cast<int>(h * bw / w)};
    return {static_cast<int>(w * bh / h), static_cast<int>(bh)};
}

bool PictureLoader::load(const std::string& path, int boundWidth, int boundHeight,
                         PictureHolder& picture) {
    const QImage image = decode(path);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return false;
    auto [width, height] = fittedSize(image.width(), image.height(), boundWidth, boundHeight);
    // A very thin picture keeps at least one pixel rather than failing to load.
    width = std::max(width, 1);
    height = std::max(height, 1);
    const QImage scaled =
        (width == image.width() && height == image.height())
            ? image
            : image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) return false;
    return picture.setBits(width, height, bottomUpRows(scaled));
}

}  // namespace points
