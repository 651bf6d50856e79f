#pragma once
// CSkinImage: a 24-bit image that skinned windows paint from. Skin images are compiled-in
// resources named by their numbers (ui/SkinIds.h); point pictures come from files.
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;

class CSkinImage {
public:
    CSkinImage() = default;

    // Loads skin image `resourceId`: the bitmap resource of that number when there is one (accepted
    // only with 24 bits per pixel; any other depth fails without trying further), else the image
    // resource. On failure the previous image is kept and false is returned.
    bool Load(int resourceId);
    // Loads a picture file scaled down to fit maxWidth × maxHeight, keeping its aspect ratio
    // (FitSize). Pictures are never enlarged. On failure the previous image is kept.
    bool LoadFile(const QString& path, int maxWidth, int maxHeight);
    // A black image of the given size; false for a non-positive size or when memory runs out.
    bool Create(int width, int height);
    // Drops the image.
    void Clear();

    // Copies the image to (x, y). A negative width or height means the image's own. A negative
    // source width or height copies width × height pixels from (srcX, srcY) without stretching;
    // otherwise the source rectangle is stretched into the destination. Always a plain copy.
    void Draw(QPainter& painter, int x, int y, int width = -1, int height = -1, int srcX = 0,
              int srcY = 0, int srcWidth = -1, int srcHeight = -1) const;
    // Copies frame `frame` of an image made of `frameCount` frames stacked vertically (button
    // strips, the USB indicator, the transfer animation) to (x, y), unstretched.
    void DrawFrame(QPainter& painter, int x, int y, int frame, int frameCount) const;

    bool IsEmpty() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    // Bytes per row: width × 3 rounded up to a multiple of 4.
    int Stride() const { return m_image.isNull() ? 0 : static_cast<int>(m_image.bytesPerLine()); }
    // The pixels, rows top-down, each pixel R, G, B.
    uchar* Bits() { return m_image.isNull() ? nullptr : m_image.bits(); }
    const QImage& Image() const { return m_image; }

    // The size a picture of `picture` pixels takes within `bound`: kept when it fits; otherwise
    // scaled down to touch the bound, divisions truncating. A negative bound keeps the picture's
    // own size in that direction.
    static QSize FitSize(QSize picture, QSize bound);
    // Bits per pixel of a BMP file's header, or 0 when the data is not a BMP file.
    static int BmpBitCount(const QByteArray& data);

private:
    bool Adopt(const QImage& image);

    QImage m_image;  // always QImage::Format_RGB888 when not null
};
