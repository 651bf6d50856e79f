#include "DesktopIcons.h"

#include "PictureArt.h"

#include <QBuffer>
#include <QDir>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cstdio>

namespace skingen {
namespace {

constexpr int kPngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;
const QString kIconName = QStringLiteral("harbrook");

bool writeFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    QSaveFile file(folder + QLatin1Char('/') + name);
    if (bytes.isEmpty() || !QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "skingen: cannot write %s/%s\n", qPrintable(folder), qPrintable(name));
        return false;
    }
    return true;
}

QByteArray pngIcon(int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pictures::AppIcon(size).save(&buffer, "PNG");
    return bytes;
}

QByteArray svgIcon() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Harbrook"));
    QPainter painter(&svg);
    pictures::PaintAppMark(painter, QRectF(0, 0, kSvgSize, kSvgSize));
    painter.end();
    return bytes;
}

}  // namespace

bool WriteDesktopIcons(const QString& folder) {
    const QString theme = folder + QStringLiteral("/hicolor/");
    for (int size : kPngSizes) {
        const QString apps = theme + QStringLiteral("%1x%1/apps").arg(size);
        if (!writeFile(apps, kIconName + QStringLiteral(".png"), pngIcon(size))) return false;
    }
    return writeFile(theme + QStringLiteral("scalable/apps"), kIconName + QStringLiteral(".svg"),
                     svgIcon());
}

}  // namespace skingen
