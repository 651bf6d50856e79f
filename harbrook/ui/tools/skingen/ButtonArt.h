#pragma once
// Five-frame button strips (normal, pressed, latched, hover, disabled, stacked vertically) in the
// skin's button families.
#include "ArtKit.h"

#include <QSize>

namespace skingen {

enum class ButtonFamily {
    Accent,  // blue pill: the main actions (transfer, OK, Yes)
    Silver,  // silver pill: the other actions
    Ghost,   // face only on hover and press: menu and caption buttons on dark bars
    Tab,     // mode tabs: rounded top, the latched frame is the selected tab
    Choice,  // large silver card with a pictogram above its text
};

// A pictogram painted into a box in a colour.
using GlyphPainter = std::function<void(QPainter&, const QRectF&, const QColor&)>;

struct ButtonSpec {
    QSize frame;
    ButtonFamily family = ButtonFamily::Silver;
    QString text;
    GlyphPainter glyph;      // optional, left of the text (above it for Choice)
    int fontPixels = 12;
    bool bold = false;
    Backdrop backdrop;       // what the button sits on; required
};

QImage ButtonStrip(const ButtonSpec& spec);

}  // namespace skingen
