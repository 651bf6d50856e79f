#include <ui/SkinLabel.h>

#include <ui/SkinPalette.h>

namespace ui {

SkinLabelText ParseSkinLabel(const QString& text) {
    static constexpr struct {
        char code;
        LabelStyle style;
    } kPrefixes[] = {{'b', LabelStyle::Bold}, {'n', LabelStyle::Normal}, {'c', LabelStyle::Hint}};
    if (text.size() >= 2 && text[0] == QLatin1Char('&')) {
        for (const auto& prefix : kPrefixes) {
            if (text[1] == QLatin1Char(prefix.code)) return {prefix.style, DisplayLines(text.mid(2))};
        }
    }
    return {LabelStyle::Plain, DisplayLines(text)};
}

QString DisplayLines(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

QColor LabelColour(LabelStyle style) {
    return style == LabelStyle::Hint ? palette::kHintText : palette::kLabelText;
}

}  // namespace ui
