#pragma once
// Drawing primitives of the skin generator: images, gradients, faces and text in the theme's
// manner. Everything the skin shows is painted from these.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

namespace skingen {

// Paints what lies behind a piece of the skin: a bar, a panel, a flat colour.
using Backdrop = std::function<void(QPainter&, const QRect&)>;

Backdrop FlatBackdrop(const QColor& colour);
// A vertical gradient from `top` to `bottom` over `height` rows, started `offsetY` rows above the
// painted area (so a button can show the part of a bar it sits on).
Backdrop GradientBackdrop(const QColor& top, const QColor& bottom, int height, int offsetY = 0);

// An opaque 24-bit-ready image filled with `fill`.
QImage NewImage(int width, int height, const QColor& fill = Qt::black);
// An image with alpha, fully transparent.
QImage NewAlphaImage(int width, int height);

// Vertical gradient over `rect`.
void FillVertical(QPainter& painter, const QRectF& rect, const QColor& top, const QColor& bottom);
// A rounded face with a vertical gradient, a one-pixel rim and a soft highlight on the upper half.
void RoundedFace(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top,
                 const QColor& bottom, const QColor& rim);

// The theme's face at a pixel size.
QFont ArtFont(int pixelSize, bool bold);
// Text centred in `rect`, with a one-pixel shadow when `shadow` is valid.
void CentredText(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
                 const QColor& colour, const QColor& shadow = QColor());

// A colour between a and b (t = 0 gives a).
QColor Mix(const QColor& a, const QColor& b, qreal t);

}  // namespace skingen
