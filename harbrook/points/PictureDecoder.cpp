// The picture module: picture files decoded and scaled with Qt.
#include <points/PictureFunctions.h>
#include <points/PictureHolder.h>
#include <points/PictureLoader.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace points {
namespace {

QImage read(const std::uint8_t* bytes, std::size_t size) {
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes),
                                              static_cast<qsizetype>(size));
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

bool decode(const std::uint8_t* bytes, std::size_t size, int boundWidth, int boundHeight,
            int* width, int* height, std::vector<std::uint8_t>* bits) {
    const QImage image = read(bytes, size);
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return false;
    auto [w, h] = PictureLoader::fittedSize(image.width(), image.height(), boundWidth, boundHeight);
    // A very thin picture keeps at least one pixel rather than failing to load.
    w = std::max(w, 1);
    h = std::max(h, 1);
    const QImage scaled = (w == image.width() && h == image.height())
                              ? image
                              : image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull()) return false;
    *width = w;
    *height = h;
    *bits = bottomUpRows(scaled);
    return true;
}

const PictureFunctions kFunctions{PictureFunctions::kVersion, &decode};

}  // namespace
}  // namespace points

extern "C" __attribute__((visibility("default"))) const points::PictureFunctions*
harbrook_picture_functions() {
    return &points::kFunctions;
}
