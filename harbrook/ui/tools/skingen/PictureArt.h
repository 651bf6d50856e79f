#pragma once
// The skin's pictures: the start-up image, the application mark, indicators and small icons.
#include "ArtKit.h"

namespace skingen::pictures {

// The application mark filling `box` (square): the program's icon and the start-up image's mark.
void PaintAppMark(QPainter& painter, const QRectF& box);

QImage Splash();                    // 233, 500 × 147
QImage AppIcon(int size);           // icon/128, with alpha
QImage CaptionTitle();              // 130
QImage CaptionIcon();               // 131
QImage UsbIndicator();              // 215, five frames
QImage TransferAnimation();         // 241, ten frames
QImage OrvanePicture();             // 225
QImage PointStateIcons();           // bitmap 205
QImage TrackIcon(const QString& kind, const QColor& colour);  // icon/track-*, with alpha

}  // namespace skingen::pictures
