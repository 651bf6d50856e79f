#include <points/view/PictureImage.h>

#include <points/PictureHolder.h>

QImage PictureImage(const points::PictureHolder& picture) {
    if (!picture.hasBits()) return {};
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint8_t* bgr = picture.pixel(x, y);
            line[x] = qRgb(bgr[2], bgr[1], bgr[0]);
        }
    }
    return image;
}
