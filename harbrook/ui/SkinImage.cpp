#include <ui/SkinImage.h>

#include <ui/SkinContext.h>

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace {

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace

bool CSkinImage::Load(int resourceId) {
    const QString bitmapPath = ui::SkinContext::ResourcePath("bitmap", resourceId);
    if (QFile::exists(bitmapPath)) {
        const QByteArray data = readResource(bitmapPath);
        if (BmpBitCount(data) != 24) return false;
        return Adopt(QImage::fromData(data, "BMP"));
    }
    QImageReader reader(ui::SkinContext::ResourcePath("image", resourceId));
    return Adopt(reader.read());
}

bool CSkinImage::LoadFile(const QString& path, int maxWidth, int maxHeight) {
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) return false;
    const QSize size = FitSize(picture.size(), QSize(maxWidth, maxHeight));
    if (size.isEmpty()) return false;
    if (size == picture.size()) return Adopt(picture);
    return Adopt(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool CSkinImage::Create(int width, int height) {
    if (width <= 0 || height <= 0) return false;
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull()) return false;
    image.fill(Qt::black);
    m_image = std::move(image);
    return true;
}

void CSkinImage::Clear() { m_image = QImage(); }

void CSkinImage::Draw(QPainter& painter, int x, int y, int width, int height, int srcX, int srcY,
                      int srcWidth, int srcHeight) const {
    if (m_image.isNull()) return;
    if (width < 0) width = m_image.width();
    if (height < 0) height = m_image.height();
    const QRect target(x, y, width, height);
    const bool stretch = srcWidth >= 0 && srcHeight >= 0;
    const QRect source = stretch ? QRect(srcX, srcY, srcWidth, srcHeight)
                                 : QRect(srcX, srcY, width, height);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, m_image, source);
    painter.restore();
}

void CSkinImage::DrawFrame(QPainter& painter, int x, int y, int frame, int frameCount) const {
    if (frameCount <= 0 || frame < 0 || frame >= frameCount) return;
    const int frameHeight = Height() / frameCount;
    Draw(painter, x, y, Width(), frameHeight, 0, frame * frameHeight, -1, -1);
}

QSize CSkinImage::FitSize(QSize picture, QSize bound) {
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    const qint64 W = bound.width() < 0 ? w : bound.width();
    const qint64 H = bound.height() < 0 ? h : bound.height();
    if (w <= W && h <= H) return picture;
    if (w * H == h * W) return QSize(int(W), int(H));
    if (w * H > h * W) return QSize(int(W), int(h * W / w));
    return QSize(int(w * H / h), int(H));
}

int CSkinImage::BmpBitCount(const QByteArray& data) {
    // File header (14 bytes), then the info header whose size says which layout it has.
    if (data.size() < 30 || !data.startsWith("BM")) return 0;
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes + 14);
    if (infoSize == 12) return qFromLittleEndian<quint16>(bytes + 24);  // core header
    if (infoSize < 40) return 0;
    return qFromLittleEndian<quint16>(bytes + 28);
}

bool CSkinImage::Adopt(const QImage& image) {
    if (image.isNull()) return false;
    QImage converted = image.convertToFormat(QImage::Format_RGB888);
    if (converted.isNull()) return false;
    m_image = std::move(converted);
    return true;
}
