#pragma once
// One picture of the whole skin: every image by number (button strips with their five frames side
// by side), so the skin can be checked at a glance.
#include <QImage>

QImage PaintContactSheet();
