#include "ButtonArt.h"

#include <ui/SkinIds.h>

#include <QFontMetricsF>
#include <QPainterPath>

namespace skingen {
namespace {

struct FaceColours {
    QColor top, bottom, rim, text;
    bool face = true;  // false: no face, only the content
};

FaceColours accentFace(int frame) {
    switch (frame) {
    case ui::kFramePressed: return {QColor(0x2A, 0x54, 0x88), QColor(0x3A, 0x6B, 0xA3), QColor(0x13, 0x2C, 0x4A), QColor(0xE0, 0xEC, 0xF8)};
    case ui::kFrameLatched: return {QColor(0x33, 0x5F, 0x93), QColor(0x2A, 0x54, 0x88), QColor(0x13, 0x2C, 0x4A), QColor(0xE8, 0xF1, 0xFA)};
    case ui::kFrameHover: return {QColor(0x6C, 0xA8, 0xE6), QColor(0x3A, 0x6F, 0xAE), QColor(0x1E, 0x46, 0x72), Qt::white};
    case ui::kFrameDisabled: return {QColor(0x6A, 0x74, 0x80), QColor(0x4F, 0x58, 0x63), QColor(0x3E, 0x46, 0x50), QColor(0xA9, 0xB2, 0xBC)};
    default: return {QColor(0x4E, 0x87, 0xC4), QColor(0x2A, 0x54, 0x88), QColor(0x1A, 0x3A, 0x60), Qt::white};
    }
}

FaceColours silverFace(int frame) {
    switch (frame) {
    case ui::kFramePressed: return {QColor(0xB9, 0xC6, 0xD6), QColor(0xE2, 0xE8, 0xEF), QColor(0x5E, 0x72, 0x8C), QColor(0x13, 0x24, 0x3B)};
    case ui::kFrameLatched: return {QColor(0xC9, 0xD6, 0xE6), QColor(0xDD, 0xE6, 0xF0), QColor(0x5A, 0x71, 0x90), QColor(0x13, 0x24, 0x3B)};
    case ui::kFrameHover: return {QColor(0xFF, 0xFF, 0xFF), QColor(0xD6, 0xE5, 0xF4), QColor(0x56, 0x97, 0xDD), QColor(0x13, 0x24, 0x3B)};
    case ui::kFrameDisabled: return {QColor(0xE4, 0xE7, 0xEB), QColor(0xD3, 0xD8, 0xDE), QColor(0xA8, 0xB2, 0xBE), QColor(0x9A, 0xA3, 0xAD)};
    default: return {QColor(0xFB, 0xFC, 0xFE), QColor(0xC8, 0xD3, 0xE0), QColor(0x7E, 0x90, 0xA6), QColor(0x1C, 0x2A, 0x3C)};
    }
}

FaceColours ghostFace(int frame) {
    switch (frame) {
    case ui::kFramePressed:
    case ui::kFrameLatched: return {QColor(0x5A, 0x9A, 0xDF), QColor(0x3A, 0x6F, 0xAE), QColor(0x2A, 0x54, 0x88), Qt::white};
    case ui::kFrameHover: return {QColor(0x3E, 0x6C, 0xA0), QColor(0x28, 0x50, 0x7D), QColor(0x4A, 0x82, 0xBF), Qt::white};
    case ui::kFrameDisabled: return {{}, {}, {}, QColor(0x5B, 0x6B, 0x7E), false};
    default: return {{}, {}, {}, QColor(0xC4, 0xCD, 0xD8), false};
    }
}

FaceColours tabFace(int frame) {
    switch (frame) {
    case ui::kFramePressed: return {QColor(0x4A, 0x82, 0xBF), QColor(0x2F, 0x5B, 0x8C), QColor(0x0B, 0x15, 0x24), Qt::white};
    case ui::kFrameLatched: return {QColor(0xF6, 0xF9, 0xFC), QColor(0xC9, 0xDE, 0xF1), QColor(0x0B, 0x15, 0x24), QColor(0x13, 0x24, 0x3B)};
    case ui::kFrameHover: return {QColor(0x3E, 0x6C, 0xA0), QColor(0x28, 0x50, 0x7D), QColor(0x0B, 0x15, 0x24), Qt::white};
    case ui::kFrameDisabled: return {QColor(0x22, 0x35, 0x4D), QColor(0x1A, 0x2B, 0x40), QColor(0x0B, 0x15, 0x24), QColor(0x5B, 0x6B, 0x7E)};
    default: return {QColor(0x2C, 0x50, 0x7C), QColor(0x1C, 0x37, 0x5A), QColor(0x0B, 0x15, 0x24), QColor(0xB8, 0xCB, 0xE0)};
    }
}

FaceColours faceFor(ButtonFamily family, int frame) {
    switch (family) {
    case ButtonFamily::Accent: return accentFace(frame);
    case ButtonFamily::Ghost: return ghostFace(frame);
    case ButtonFamily::Tab: return tabFace(frame);
    default: return silverFace(frame);
    }
}

// The tab outline: rounded top corners, open square bottom.
void tabFace(QPainter& painter, const QRectF& rect, const FaceColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal r = 6;
    QPainterPath path;
    path.moveTo(rect.left() + 0.5, rect.bottom() + 1);
    path.lineTo(rect.left() + 0.5, rect.top() + r);
    path.quadTo(rect.left() + 0.5, rect.top() + 0.5, rect.left() + r, rect.top() + 0.5);
    path.lineTo(rect.right() - r, rect.top() + 0.5);
    path.quadTo(rect.right() - 0.5, rect.top() + 0.5, rect.right() - 0.5, rect.top() + r);
    path.lineTo(rect.right() - 0.5, rect.bottom() + 1);
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, colours.top);
    body.setColorAt(1, colours.bottom);
    painter.fillPath(path, body);
    painter.setPen(QPen(colours.rim, 1));
    painter.drawPath(path);
    // A thin highlight under the top edge.
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.drawLine(QPointF(rect.left() + r, rect.top() + 1.5), QPointF(rect.right() - r, rect.top() + 1.5));
    painter.restore();
}

void paintFace(QPainter& painter, const ButtonSpec& spec, const QRectF& rect, int frame,
               const FaceColours& colours) {
    if (!colours.face) return;
    if (spec.family == ButtonFamily::Tab) {
        tabFace(painter, rect, colours);
        // Tabs that are not selected stand behind the bar's light baseline; the selected one
        // opens into the view below.
        if (frame != ui::kFrameLatched) {
            painter.fillRect(QRectF(rect.left(), rect.bottom() - 1, rect.width(), 1), QColor(0xC9, 0xDE, 0xF1));
        }
        return;
    }
    const qreal radius = spec.family == ButtonFamily::Choice ? 7 : std::min<qreal>(rect.height() / 2, 6);
    const QRectF faceRect = spec.family == ButtonFamily::Ghost ? rect.adjusted(0, 1, 0, -1) : rect;
    RoundedFace(painter, faceRect, spec.family == ButtonFamily::Ghost ? 3 : radius, colours.top,
                colours.bottom, colours.rim);
}

void paintContent(QPainter& painter, const ButtonSpec& spec, const QRectF& rect, int frame,
                  const QColor& colour) {
    const QFont font = ArtFont(spec.fontPixels, spec.bold || (spec.family == ButtonFamily::Tab && frame == ui::kFrameLatched));
    const QColor shadow = spec.family == ButtonFamily::Accent && frame != ui::kFrameDisabled
                              ? QColor(0, 0, 0, 90)
                              : QColor();
    QRectF area = rect;
    if (frame == ui::kFramePressed) area.translate(0, 1);
    if (spec.family == ButtonFamily::Choice) {
        const qreal glyphSize = area.height() * 0.5;
        const QRectF glyphBox(area.center().x() - glyphSize / 2, area.top() + 6, glyphSize, glyphSize);
        if (spec.glyph) spec.glyph(painter, glyphBox, frame == ui::kFrameDisabled ? colour : QColor(0x2F, 0x5B, 0x8C));
        CentredText(painter, QRectF(area.left(), glyphBox.bottom() + 2, area.width(), area.bottom() - glyphBox.bottom() - 4),
                    spec.text, font, colour);
        return;
    }
    const qreal textWidth = spec.text.isEmpty() ? 0 : QFontMetricsF(font).horizontalAdvance(spec.text);
    // A pictogram alone fills the face; beside text it matches the text's height.
    const qreal glyphSize = !spec.glyph ? 0 : textWidth > 0 ? std::min<qreal>(area.height() - 6, 14) : area.height() - 1;
    const qreal gap = spec.glyph && textWidth > 0 ? 5 : 0;
    const qreal total = glyphSize + gap + textWidth;
    const qreal left = area.center().x() - total / 2;
    if (spec.glyph) {
        spec.glyph(painter, QRectF(left, area.center().y() - glyphSize / 2, glyphSize, glyphSize), colour);
    }
    if (textWidth > 0) {
        CentredText(painter, QRectF(left + glyphSize + gap, area.top(), textWidth + 1, area.height()),
                    spec.text, font, colour, shadow);
    }
}

}  // namespace

QImage ButtonStrip(const ButtonSpec& spec) {
    const QSize frame = spec.frame;
    QImage strip = NewImage(frame.width(), frame.height() * ui::kButtonFrameCount);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int f = 0; f < ui::kButtonFrameCount; ++f) {
        const QRect rect(0, f * frame.height(), frame.width(), frame.height());
        painter.save();
        painter.setClipRect(rect);
        spec.backdrop(painter, rect);
        const FaceColours colours = faceFor(spec.family, f);
        paintFace(painter, spec, QRectF(rect), f, colours);
        paintContent(painter, spec, QRectF(rect), f, colours.text);
        painter.restore();
    }
    return strip;
}

}  // namespace skingen
