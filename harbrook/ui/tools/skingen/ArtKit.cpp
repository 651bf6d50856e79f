#include "ArtKit.h"

#include <ui/UiFont.h>

#include <QLinearGradient>
#include <QPainterPath>

namespace skingen {

Backdrop FlatBackdrop(const QColor& colour) {
    return [colour](QPainter& painter, const QRect& rect) { painter.fillRect(rect, colour); };
}

Backdrop GradientBackdrop(const QColor& top, const QColor& bottom, int height, int offsetY) {
    return [=](QPainter& painter, const QRect& rect) {
        QLinearGradient gradient(0, rect.top() - offsetY, 0, rect.top() - offsetY + height);
        gradient.setColorAt(0, top);
        gradient.setColorAt(1, bottom);
        painter.fillRect(rect, gradient);
    };
}

QImage NewImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage NewAlphaImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void FillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

void RoundedFace(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top,
                 const QColor& bottom, const QColor& rim) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, top);
    body.setColorAt(1, bottom);
    const QRectF inner = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(rim, 1));
    painter.setBrush(body);
    painter.drawRoundedRect(inner, radius, radius);
    // Gloss: a faint white sheen over the upper half, inside the rim.
    QPainterPath gloss;
    gloss.addRoundedRect(inner.adjusted(1, 1, -1, -inner.height() / 2), radius - 1, radius - 1);
    QLinearGradient sheen(inner.topLeft(), QPointF(inner.left(), inner.center().y()));
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 8));
    painter.fillPath(gloss, sheen);
    painter.restore();
}

QFont ArtFont(int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(ui::kUiFontFamily));
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void CentredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 const QColor& colour, const QColor& shadow) {
    painter.save();
    painter.setFont(font);
    if (shadow.isValid()) {
        painter.setPen(shadow);
        painter.drawText(rect.translated(0, 1), Qt::AlignCenter, text);
    }
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.restore();
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

}  // namespace skingen
