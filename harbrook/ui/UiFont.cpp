#include <ui/UiFont.h>

#include <QString>

#include <algorithm>

QFont MakeUiFont(bool bold, int sizePercent) {
    QFont font(QString::fromLatin1(ui::kUiFontFamily));
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setPixelSize(std::max(1, 12 * sizePercent / 100));
    font.setWeight(static_cast<QFont::Weight>(bold ? 600 : 200));
    return font;
}
