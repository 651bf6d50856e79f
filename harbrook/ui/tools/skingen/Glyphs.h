#pragma once
// Small vector pictograms of the skin, drawn in one colour into a square or rectangle.
#include <QColor>
#include <QPainter>
#include <QRectF>

namespace skingen::glyph {

void Close(QPainter& painter, const QRectF& box, const QColor& colour);
void Maximise(QPainter& painter, const QRectF& box, const QColor& colour);
void Minimise(QPainter& painter, const QRectF& box, const QColor& colour);
void Restore(QPainter& painter, const QRectF& box, const QColor& colour);
// A filled triangle pointing left (0), up (1), right (2) or down (3).
void Arrow(QPainter& painter, const QRectF& box, int direction, const QColor& colour);
void Usb(QPainter& painter, const QRectF& box, const QColor& colour);
void Card(QPainter& painter, const QRectF& box, const QColor& colour);
void MapPin(QPainter& painter, const QRectF& box, const QColor& colour);
void Globe(QPainter& painter, const QRectF& box, const QColor& colour);
void Folder(QPainter& painter, const QRectF& box, const QColor& colour);
void Plus(QPainter& painter, const QRectF& box, const QColor& colour);
void Note(QPainter& painter, const QRectF& box, const QColor& colour);
void Stop(QPainter& painter, const QRectF& box, const QColor& colour);

}  // namespace skingen::glyph
