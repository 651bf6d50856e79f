#include "Glyphs.h"

#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace skingen::glyph {
namespace {

// Saves the painter and sets an antialiased pen of `width` in `colour`.
class Pen {
public:
    Pen(QPainter& painter, const QColor& colour, qreal width) : m_painter(painter) {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.setBrush(Qt::NoBrush);
    }
    ~Pen() { m_painter.restore(); }

private:
    QPainter& m_painter;
};

QRectF square(const QRectF& box) {
    const qreal side = std::min(box.width(), box.height());
    return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
}

}  // namespace

void Close(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.4);
    const QRectF s = square(box).adjusted(2, 2, -2, -2);
    painter.drawLine(s.topLeft(), s.bottomRight());
    painter.drawLine(s.topRight(), s.bottomLeft());
}

void Maximise(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.1);
    const QRectF s = square(box).adjusted(2, 2, -2, -2);
    painter.drawRect(s);
    painter.drawLine(s.topLeft() + QPointF(0, 1), s.topRight() + QPointF(0, 1));
}

void Minimise(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.6);
    const QRectF s = square(box).adjusted(2, 2, -2, -2);
    painter.drawLine(QPointF(s.left(), s.bottom()), QPointF(s.right(), s.bottom()));
}

void Restore(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.0);
    const QRectF s = square(box).adjusted(2, 2, -2, -2);
    const qreal d = s.width() * 0.3;
    painter.drawRect(s.adjusted(d, 0, 0, -d));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(s.adjusted(0, d, -d, 0));
}

void Arrow(QPainter& painter, const QRectF& box, int direction, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRectF s = square(box);
    const QPointF c = s.center();
    const qreal r = s.width() * 0.28;
    QPolygonF triangle;
    // Pointing right, then rotated.
    triangle << QPointF(r, 0) << QPointF(-r * 0.6, -r) << QPointF(-r * 0.6, r);
    QTransform turn;
    turn.translate(c.x(), c.y());
    turn.rotate(direction * 90.0 - 180.0);
    painter.drawPolygon(turn.map(triangle));
    painter.restore();
}

void Usb(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.3);
    const QRectF s = square(box);
    const qreal w = s.width();
    const QPointF base(s.center().x(), s.bottom() - w * 0.12);
    const QPointF tip(s.center().x(), s.top() + w * 0.18);
    painter.drawLine(base, tip);
    painter.drawLine(QPointF(base.x(), base.y() - w * 0.32), QPointF(base.x() - w * 0.26, base.y() - w * 0.5));
    painter.drawLine(QPointF(base.x() - w * 0.26, base.y() - w * 0.5), QPointF(base.x() - w * 0.26, base.y() - w * 0.6));
    painter.drawLine(QPointF(base.x(), base.y() - w * 0.22), QPointF(base.x() + w * 0.26, base.y() - w * 0.42));
    painter.drawLine(QPointF(base.x() + w * 0.26, base.y() - w * 0.42), QPointF(base.x() + w * 0.26, base.y() - w * 0.55));
    painter.setBrush(colour);
    painter.drawEllipse(base, w * 0.09, w * 0.09);
    QPolygonF head;
    head << QPointF(tip.x(), s.top() + w * 0.05) << QPointF(tip.x() - w * 0.12, tip.y() + w * 0.04)
         << QPointF(tip.x() + w * 0.12, tip.y() + w * 0.04);
    painter.drawPolygon(head);
}

void Card(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.2);
    const QRectF s = square(box).adjusted(1.5, 0.5, -1.5, -0.5);
    QPainterPath outline;
    const qreal cut = s.width() * 0.35;
    outline.moveTo(s.left() + cut, s.top());
    outline.lineTo(s.right(), s.top());
    outline.lineTo(s.right(), s.bottom());
    outline.lineTo(s.left(), s.bottom());
    outline.lineTo(s.left(), s.top() + cut);
    outline.closeSubpath();
    painter.drawPath(outline);
    for (int i = 0; i < 3; ++i) {
        const qreal x = s.left() + s.width() * (0.35 + 0.2 * i);
        painter.drawLine(QPointF(x, s.top() + 2), QPointF(x, s.top() + s.height() * 0.3));
    }
}

void MapPin(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = square(box);
    const qreal r = s.width() * 0.3;
    const QPointF c(s.center().x(), s.top() + s.height() * 0.38);
    QPainterPath pin;
    pin.moveTo(s.center().x(), s.bottom() - s.height() * 0.04);
    pin.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -60, 300);
    pin.closeSubpath();
    pin.addEllipse(c, r * 0.42, r * 0.42);
    pin.setFillRule(Qt::OddEvenFill);
    painter.fillPath(pin, colour);
    painter.restore();
}

void Globe(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.2);
    const QRectF s = square(box).adjusted(1, 1, -1, -1);
    painter.drawEllipse(s);
    painter.drawEllipse(s.adjusted(s.width() * 0.28, 0, -s.width() * 0.28, 0));
    painter.drawLine(QPointF(s.center().x(), s.top()), QPointF(s.center().x(), s.bottom()));
    painter.drawLine(QPointF(s.left(), s.center().y()), QPointF(s.right(), s.center().y()));
    const qreal dy = s.height() * 0.25;
    const qreal inset = s.width() * 0.07;
    painter.drawLine(QPointF(s.left() + inset, s.center().y() - dy), QPointF(s.right() - inset, s.center().y() - dy));
    painter.drawLine(QPointF(s.left() + inset, s.center().y() + dy), QPointF(s.right() - inset, s.center().y() + dy));
}

void Folder(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.2);
    const QRectF s = square(box).adjusted(0.5, 2, -0.5, -1.5);
    QPainterPath path;
    path.moveTo(s.left(), s.bottom());
    path.lineTo(s.left(), s.top());
    path.lineTo(s.left() + s.width() * 0.38, s.top());
    path.lineTo(s.left() + s.width() * 0.48, s.top() + s.height() * 0.18);
    path.lineTo(s.right(), s.top() + s.height() * 0.18);
    path.lineTo(s.right(), s.bottom());
    path.closeSubpath();
    painter.drawPath(path);
    painter.drawLine(QPointF(s.left(), s.top() + s.height() * 0.38), QPointF(s.right(), s.top() + s.height() * 0.38));
}

void Plus(QPainter& painter, const QRectF& box, const QColor& colour) {
    Pen pen(painter, colour, 1.8);
    const QRectF s = square(box).adjusted(2, 2, -2, -2);
    painter.drawLine(QPointF(s.center().x(), s.top()), QPointF(s.center().x(), s.bottom()));
    painter.drawLine(QPointF(s.left(), s.center().y()), QPointF(s.right(), s.center().y()));
}

void Note(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = square(box);
    const qreal w = s.width();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(s.left() + w * 0.3, s.bottom() - w * 0.22), w * 0.18, w * 0.14);
    painter.drawEllipse(QPointF(s.left() + w * 0.74, s.bottom() - w * 0.3), w * 0.18, w * 0.14);
    painter.setPen(QPen(colour, std::max<qreal>(1.0, w * 0.08)));
    painter.drawLine(QPointF(s.left() + w * 0.46, s.bottom() - w * 0.22), QPointF(s.left() + w * 0.46, s.top() + w * 0.16));
    painter.drawLine(QPointF(s.left() + w * 0.9, s.bottom() - w * 0.3), QPointF(s.left() + w * 0.9, s.top() + w * 0.08));
    painter.setPen(QPen(colour, std::max<qreal>(1.5, w * 0.14)));
    painter.drawLine(QPointF(s.left() + w * 0.46, s.top() + w * 0.18), QPointF(s.left() + w * 0.9, s.top() + w * 0.1));
    painter.restore();
}

void Stop(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = square(box).adjusted(2.5, 2.5, -2.5, -2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(s, 1.5, 1.5);
    painter.restore();
}

}  // namespace skingen::glyph
