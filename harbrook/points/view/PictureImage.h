#pragma once
// A point's picture as Qt shows it.
#include <QImage>

namespace points {
class PictureHolder;
}

// The holder's bitmap as an image (null when it has no picture).
QImage PictureImage(const points::PictureHolder& picture);
