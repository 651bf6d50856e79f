#include "PictureArt.h"

#include "BarArt.h"
#include "Glyphs.h"

#include <ui/SkinIds.h>
#include <ui/SkinPalette.h>

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace skingen::pictures {
namespace {

QColor frameMix(const QColor& dim, const QColor& lit, int frame, int frames) {
    return Mix(dim, lit, qreal(frame) / (frames - 1));
}

}  // namespace

// The application mark: a rounded steel tile with a road running to the horizon under a note.
void PaintAppMark(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = box.width();
    const qreal radius = s * 0.22;
    QLinearGradient tile(box.topLeft(), box.bottomLeft());
    tile.setColorAt(0, QColor(0x3A, 0x6F, 0xAE));
    tile.setColorAt(1, QColor(0x0E, 0x1B, 0x2E));
    painter.setPen(QPen(QColor(0xC4, 0xCD, 0xD8), std::max<qreal>(1.0, s / 32)));
    painter.setBrush(tile);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // Road: two edges meeting at the horizon, with a dashed centre line.
    const qreal horizon = box.top() + s * 0.55;
    const QPointF vanish(box.center().x(), horizon);
    QPainterPath road;
    road.moveTo(box.left() + s * 0.16, box.bottom() - s * 0.06);
    road.lineTo(vanish);
    road.lineTo(box.right() - s * 0.16, box.bottom() - s * 0.06);
    road.closeSubpath();
    QLinearGradient asphalt(0, horizon, 0, box.bottom());
    asphalt.setColorAt(0, QColor(0x8B, 0xAC, 0xCF));
    asphalt.setColorAt(1, QColor(0xE9, 0xEE, 0xF4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(asphalt);
    painter.drawPath(road);
    painter.setPen(QPen(QColor(0x1D, 0x38, 0x5C), std::max<qreal>(1.0, s / 24)));
    painter.drawLine(QPointF(vanish.x(), horizon + s * 0.1), QPointF(vanish.x(), horizon + s * 0.18));
    painter.drawLine(QPointF(vanish.x(), horizon + s * 0.25), QPointF(vanish.x(), horizon + s * 0.38));
    if (s >= 24) glyph::Note(painter, QRectF(box.center().x() - s * 0.2, box.top() + s * 0.1, s * 0.4, s * 0.4), QColor(0xE9, 0xEE, 0xF4));
    painter.restore();
}

QImage Splash() {
    const int w = 500, h = 147;
    QImage image = NewImage(w, h);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    FillVertical(painter, image.rect(), QColor(0x17, 0x2E, 0x4C), QColor(0x07, 0x0F, 0x1B));
    // A glow on the horizon behind the mark.
    QRadialGradient glow(QPointF(390, 70), 190);
    glow.setColorAt(0, QColor(0x56, 0x97, 0xDD, 90));
    glow.setColorAt(1, QColor(0x56, 0x97, 0xDD, 0));
    painter.fillRect(image.rect(), glow);
    // Road lines fanning out from a vanishing point on the right.
    const QPointF vanish(392, 64);
    for (int i = 0; i < 9; ++i) {
        const qreal x = -80 + i * 95;
        QLinearGradient fade(vanish, QPointF(x, h));
        fade.setColorAt(0, QColor(0x8B, 0xAC, 0xCF, 0));
        fade.setColorAt(1, QColor(0x8B, 0xAC, 0xCF, i == 4 ? 70 : 38));
        painter.setPen(QPen(QBrush(fade), i == 4 ? 1.6 : 1.0));
        painter.drawLine(vanish, QPointF(x, h));
    }
    painter.setPen(QPen(QColor(0x56, 0x97, 0xDD, 120), 1));
    painter.drawLine(QPointF(0, 64.5), QPointF(w, 64.5));
    // Wordmark in brushed silver.
    QFont title = ArtFont(40, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QPainterPath word;
    word.addText(QPointF(28, 58), title, QStringLiteral("Harbrook"));
    QLinearGradient silver(0, 22, 0, 60);
    silver.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    silver.setColorAt(0.55, QColor(0xC4, 0xCD, 0xD8));
    silver.setColorAt(1, QColor(0x8B, 0x9B, 0xAE));
    painter.setPen(Qt::NoPen);
    painter.fillPath(word.translated(0, 2), QColor(0, 0, 0, 110));
    painter.fillPath(word, silver);
    painter.setFont(ArtFont(12, false));
    painter.setPen(QColor(0x8B, 0xAC, 0xCF));
    painter.drawText(QPointF(31, 82), QStringLiteral("ナビ・ミュージック & 登録地点コンパニオン"));
    painter.setPen(QPen(QColor(0x56, 0x97, 0xDD), 2));
    painter.drawLine(QPointF(30, 92), QPointF(118, 92));
    PaintAppMark(painter, QRectF(412, 10, 58, 58));
    // The bottom band where the status line is shown (at 13, h - 19).
    painter.fillRect(QRect(0, h - 24, w, 24), QColor(0x05, 0x0B, 0x14, 170));
    painter.fillRect(QRect(0, h - 24, w, 1), QColor(0x2B, 0x4A, 0x70));
    return image;
}

QImage AppIcon(int size) {
    QImage image = NewAlphaImage(size, size);
    QPainter painter(&image);
    PaintAppMark(painter, QRectF(0, 0, size, size));
    return image;
}

QImage CaptionTitle() {
    QImage image = NewImage(96, 16, ui::palette::kCaptionFill);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = ArtFont(11, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    painter.setFont(font);
    painter.setPen(ui::palette::kSilver);
    painter.drawText(QRect(0, 0, 96, 16), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Harbrook"));
    return image;
}

QImage CaptionIcon() {
    QImage image = NewImage(16, 16, ui::palette::kCaptionFill);
    QPainter painter(&image);
    PaintAppMark(painter, QRectF(1, 1, 14, 14));
    return image;
}

QImage UsbIndicator() {
    const int w = 48, h = 16;
    QImage image = NewImage(w, h * ui::kUsbIndicatorFrames);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int f = 0; f < ui::kUsbIndicatorFrames; ++f) {
        const QRect rect(0, f * h, w, h);
        bars::MenuBarBackdrop()(painter, rect);
        const QColor led = frameMix(QColor(0x33, 0x40, 0x50), QColor(0x6F, 0xE0, 0xFF), f, ui::kUsbIndicatorFrames);
        const QColor text = frameMix(QColor(0x5B, 0x6B, 0x7E), QColor(0xE9, 0xF6, 0xFF), f, ui::kUsbIndicatorFrames);
        const QPointF centre(rect.left() + 9, rect.top() + 8);
        QRadialGradient halo(centre, 7);
        QColor haloColour = led;
        haloColour.setAlpha(40 * f);
        halo.setColorAt(0, haloColour);
        halo.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(QRectF(centre.x() - 8, centre.y() - 8, 16, 16).intersected(QRectF(rect)), halo);
        painter.setPen(QPen(QColor(0x07, 0x0E, 0x18), 1));
        painter.setBrush(led);
        painter.drawEllipse(centre, 3.5, 3.5);
        glyph::Usb(painter, QRectF(rect.left() + 15, rect.top() + 2, 12, 12), text);
        painter.setFont(ArtFont(9, true));
        painter.setPen(text);
        painter.drawText(QRectF(rect.left() + 27, rect.top(), 21, h), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("USB"));
    }
    return image;
}

QImage TransferAnimation() {
    const int w = 56, h = 16, frames = ui::kTransferAnimationFrames, chevrons = 7;
    QImage image = NewImage(w, h * frames);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int f = 0; f < frames; ++f) {
        const QRect rect(0, f * h, w, h);
        painter.fillRect(rect, QColor(0x0A, 0x14, 0x22));
        // A bright pulse runs left to right through the chevrons and wraps around.
        const qreal head = qreal(f) * (chevrons + 3) / frames - 1.5;
        for (int i = 0; i < chevrons; ++i) {
            const qreal distance = std::fabs(i - head);
            const qreal glow = std::max<qreal>(0.0, 1.0 - distance / 2.2);
            const QColor colour = Mix(QColor(0x22, 0x3C, 0x5C), QColor(0x8C, 0xD2, 0xFF), glow);
            painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            const qreal x = rect.left() + 6 + i * 7.3;
            const qreal cy = rect.top() + h / 2.0;
            painter.drawPolyline(QPolygonF() << QPointF(x, cy - 4) << QPointF(x + 4, cy) << QPointF(x, cy + 4));
        }
    }
    return image;
}

QImage OrvanePicture() {
    const int w = 104, h = 21;
    QImage image = NewImage(w, h);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    bars::DarkBarBackdrop(9)(painter, image.rect());
    painter.setPen(QPen(QColor(0x4A, 0x6E, 0x98), 1));
    painter.setBrush(QColor(0x0E, 0x1C, 0x30, 180));
    painter.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 10, 10);
    glyph::MapPin(painter, QRectF(5, 3, 15, 15), QColor(0xE8, 0x6A, 0x5A));
    painter.setFont(ArtFont(11, true));
    painter.setPen(QColor(0xC4, 0xCD, 0xD8));
    painter.drawText(QRectF(22, 0, w - 26, h), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("OrvaneWeb"));
    return image;
}

QImage PointStateIcons() {
    const int w = 33, h = 13;
    QImage image = NewImage(w * 4, h, ui::palette::kImageListMask);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    struct Badge {
        QString text;
        QColor face, rim, ink;
    };
    const Badge badges[] = {
        {QStringLiteral("NAVI"), QColor(0x3A, 0x6F, 0xAE), QColor(0x1D, 0x38, 0x5C), Qt::white},
        {QStringLiteral("PC"), QColor(0xE9, 0xEE, 0xF4), QColor(0x5E, 0x72, 0x8C), QColor(0x13, 0x24, 0x3B)},
        {QStringLiteral("NEW"), QColor(0xE8, 0x9A, 0x2E), QColor(0x9A, 0x5A, 0x10), Qt::white},
    };
    for (int i = 0; i < 3; ++i) {
        // No antialiasing at the rim: the mask colour must meet the badge cleanly.
        const QRect rect((i + 1) * w + 2, 1, w - 4, h - 2);
        painter.setPen(badges[i].rim);
        painter.setBrush(badges[i].face);
        painter.drawRoundedRect(rect.adjusted(0, 0, -1, -1), 3, 3);
        painter.setFont(ArtFont(8, true));
        painter.setPen(badges[i].ink);
        painter.drawText(rect, Qt::AlignCenter, badges[i].text);
    }
    return image;
}

QImage TrackIcon(const QString& kind, const QColor& colour) {
    QImage image = NewAlphaImage(16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(colour.darker(150), 1));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(0.5, 2.5, 15, 11), 2.5, 2.5);
    QFont font = ArtFont(7, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 2, 16, 12), Qt::AlignCenter, kind);
    return image;
}

}  // namespace skingen::pictures
