#include "BarArt.h"

#include "Glyphs.h"

#include <ui/SkinPalette.h>

#include <QLinearGradient>

namespace skingen::bars {
namespace {

const QColor kMenuTop(0x1C, 0x34, 0x56);
const QColor kMenuBottom(0x11, 0x21, 0x37);
const QColor kTabBodyTop(0x1A, 0x33, 0x54);
const QColor kTabBodyBottom(0x0F, 0x1E, 0x33);
const QColor kBaseline(0xC9, 0xDE, 0xF1);  // the list colour the views below start with
const QColor kBarTop(0x22, 0x40, 0x66);
const QColor kBarBottom(0x0E, 0x1B, 0x2E);
const QColor kListBand(0xC9, 0xDE, 0xF1);

void paintDarkBar(QPainter& painter, const QRect& rect, int offsetY) {
    GradientBackdrop(kBarTop, kBarBottom, kBarHeight, offsetY)(painter, rect);
    // Row 0 is a dark seam against the view above, row 1 a faint highlight.
    const int seam = rect.top() - offsetY;
    painter.fillRect(QRect(rect.left(), seam, rect.width(), 1).intersected(rect), QColor(0x07, 0x0E, 0x18));
    painter.fillRect(QRect(rect.left(), seam + 1, rect.width(), 1).intersected(rect), QColor(0x3D, 0x5F, 0x88));
}

void paintTabBody(QPainter& painter, const QRect& rect, int offsetY) {
    GradientBackdrop(kTabBodyTop, kTabBodyBottom, kTabBarBody, offsetY)(painter, rect);
    const int bottomRow = rect.top() - offsetY + kTabBarBody - 1;
    painter.fillRect(QRect(rect.left(), bottomRow, rect.width(), 1).intersected(rect), kBaseline);
}

QImage withPainter(int width, int height, const std::function<void(QPainter&, const QRect&)>& paint) {
    QImage image = NewImage(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paint(painter, image.rect());
    return image;
}

// Faint wide-spaced lettering used as a watermark on bars.
void watermark(QPainter& painter, const QRectF& rect, const QString& text, const QColor& colour, int pixels) {
    QFont font = ArtFont(pixels, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, pixels * 0.35);
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignVCenter | Qt::AlignRight, text);
    painter.restore();
}

}  // namespace

Backdrop CaptionBackdrop() { return FlatBackdrop(ui::palette::kCaptionFill); }

Backdrop MenuBarBackdrop() {
    return [](QPainter& painter, const QRect& rect) {
        GradientBackdrop(kMenuTop, kMenuBottom, kMenuBarHeight)(painter, rect);
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), QColor(0x2E, 0x4E, 0x76));
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), QColor(0x07, 0x0E, 0x18));
    };
}

Backdrop TabBackdrop() {
    return [](QPainter& painter, const QRect& rect) {
        paintTabBody(painter, rect, kTabTop - kTabBarTop);
    };
}

Backdrop DarkBarBackdrop(int offsetY) {
    return [offsetY](QPainter& painter, const QRect& rect) { paintDarkBar(painter, rect, offsetY); };
}

Backdrop DialogBackdrop() {
    // Buttons sit low in dialogs; the background there is close to its lower colour.
    return FlatBackdrop(QColor(0xDC, 0xE4, 0xEE));
}

QImage MenuBar() { return withPainter(8, kMenuBarHeight, MenuBarBackdrop()); }

QImage TabBarTop() {
    return withPainter(8, kTabBarTop, [](QPainter& painter, const QRect& rect) {
        FillVertical(painter, rect, QColor(0x1D, 0x38, 0x5C), kTabBodyTop);
        painter.fillRect(QRect(0, 0, rect.width(), 1), QColor(0x07, 0x0E, 0x18));
        painter.fillRect(QRect(0, 1, rect.width(), 1), QColor(0x6F, 0x92, 0xBA));
        painter.fillRect(QRect(0, 2, rect.width(), 1), QColor(0x3A, 0x5C, 0x85));
    });
}

QImage TabBarBody() {
    return withPainter(8, kTabBarBody, [](QPainter& painter, const QRect& rect) { paintTabBody(painter, rect, 0); });
}

QImage TabBarRight() {
    return withPainter(160, kTabBarBody, [](QPainter& painter, const QRect& rect) {
        paintTabBody(painter, rect, 0);
        watermark(painter, QRectF(0, 2, rect.width() - 12, rect.height() - 6), QStringLiteral("HARBROOK"),
                  QColor(0x35, 0x57, 0x80), 11);
    });
}

QImage DarkBar(int width, bool leftEnd) {
    return withPainter(width, kBarHeight, [leftEnd](QPainter& painter, const QRect& rect) {
        paintDarkBar(painter, rect, 0);
        if (leftEnd) painter.fillRect(QRect(0, 1, 1, rect.height() - 1), QColor(0x3D, 0x5F, 0x88));
    });
}

QImage TransferBarLeft() {
    QImage image = DarkBar(180, true);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(ArtFont(10, false));
    painter.setPen(QColor(0x5A, 0x7C, 0xA4));
    painter.drawText(QRect(12, 2, 168, 35), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Harbrook  ·  Navi Companion"));
    return image;
}

QImage TransferBarRight() {
    QImage image = DarkBar(270, false);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The recessed well that holds the transfer animation (drawn at x 8, y 11 of this image).
    painter.setPen(QPen(QColor(0x2B, 0x4A, 0x70), 1));
    painter.setBrush(QColor(0x0A, 0x14, 0x22));
    painter.drawRoundedRect(QRectF(4.5, 7.5, 63, 23), 5, 5);
    return image;
}

QImage PointHeaderRight() {
    QImage image = DarkBar(140, false);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A faint map grid fading in toward the right edge.
    for (int x = 10; x < 140; x += 10) {
        QColor line(0x3D, 0x5F, 0x88);
        line.setAlpha(std::min(255, (x * 110) / 140));
        painter.setPen(QPen(line, 1));
        painter.drawLine(QPointF(x + 0.5, 3), QPointF(x + 0.5, 36));
    }
    for (int y = 8; y < 37; y += 10) {
        QLinearGradient fade(0, 0, 140, 0);
        fade.setColorAt(0, QColor(0x3D, 0x5F, 0x88, 0));
        fade.setColorAt(1, QColor(0x3D, 0x5F, 0x88, 110));
        painter.setPen(QPen(QBrush(fade), 1));
        painter.drawLine(QPointF(0, y + 0.5), QPointF(140, y + 0.5));
    }
    return image;
}

QImage ScrollTrack(bool horizontal) {
    const int w = horizontal ? 8 : kScrollThickness;
    const int h = horizontal ? kScrollThickness : 8;
    return withPainter(w, h, [horizontal](QPainter& painter, const QRect& rect) {
        painter.fillRect(rect, kListBand);
        const QColor groove(0xB0, 0xC8, 0xE3);
        if (horizontal) {
            painter.fillRect(QRect(0, 0, rect.width(), 1), groove);
            painter.fillRect(QRect(0, rect.height() - 1, rect.width(), 1), QColor(0xDD, 0xEA, 0xF7));
        } else {
            painter.fillRect(QRect(0, 0, 1, rect.height()), groove);
            painter.fillRect(QRect(rect.width() - 1, 0, 1, rect.height()), QColor(0xDD, 0xEA, 0xF7));
        }
    });
}

QImage ScrollArrow(int direction) {
    return withPainter(kScrollThickness, kScrollThickness, [direction](QPainter& painter, const QRect& rect) {
        painter.fillRect(rect, kListBand);
        RoundedFace(painter, QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, QColor(0xA9, 0xC1, 0xDF),
                    QColor(0x7F, 0x9D, 0xC3), QColor(0x5F, 0x7E, 0xA6));
        glyph::Arrow(painter, QRectF(rect), direction, Qt::white);
    });
}

QImage ScrollThumb(bool horizontal) {
    const int w = horizontal ? 30 : kScrollThickness;
    const int h = horizontal ? kScrollThickness : 30;
    return withPainter(w, h, [horizontal](QPainter& painter, const QRect& rect) {
        painter.fillRect(rect, kListBand);
        const QRectF face = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
        RoundedFace(painter, face, 4, QColor(0x86, 0xA4, 0xCA), QColor(0x5E, 0x7F, 0xA8), QColor(0x46, 0x66, 0x8F));
        painter.setPen(QPen(QColor(0xE6, 0xEF, 0xF9, 200), 1));
        const QPointF c = face.center();
        for (int i = -1; i <= 1; ++i) {
            if (horizontal) {
                painter.drawLine(QPointF(c.x() + i * 3, c.y() - 3), QPointF(c.x() + i * 3, c.y() + 3));
            } else {
                painter.drawLine(QPointF(c.x() - 3, c.y() + i * 3), QPointF(c.x() + 3, c.y() + i * 3));
            }
        }
    });
}

QImage ScrollCorner() {
    return withPainter(kScrollThickness, kScrollThickness, [](QPainter& painter, const QRect& rect) {
        painter.fillRect(rect, kListBand);
        painter.setPen(QColor(0x96, 0xB3, 0xD7));
        for (int i = 0; i < 3; ++i) {
            const int d = 4 + i * 3;
            painter.drawLine(rect.width() - 2, rect.height() - d, rect.width() - d, rect.height() - 2);
        }
    });
}

QImage DialogBackground() {
    return withPainter(64, 256, [](QPainter& painter, const QRect& rect) {
        FillVertical(painter, rect, QColor(0xF3, 0xF6, 0xFA), QColor(0xD8, 0xE1, 0xEC));
    });
}

QImage DialogCaption(bool left) {
    return withPainter(160, kDialogCaption, [left](QPainter& painter, const QRect& rect) {
        FillVertical(painter, rect, QColor(0x2F, 0x57, 0x88), QColor(0x14, 0x28, 0x43));
        // Brighter toward the middle of the band, where the caption text sits.
        QLinearGradient glow(0, 0, rect.width(), 0);
        glow.setColorAt(left ? 0 : 1, QColor(0, 0, 0, 60));
        glow.setColorAt(left ? 1 : 0, QColor(0x56, 0x97, 0xDD, 40));
        painter.fillRect(rect, glow);
        painter.fillRect(QRect(0, 0, rect.width(), 1), QColor(0x6A, 0x90, 0xBE));
        painter.fillRect(QRect(0, rect.height() - 1, rect.width(), 1), QColor(0x0B, 0x15, 0x24));
    });
}

}  // namespace skingen::bars
