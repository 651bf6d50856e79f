#pragma once
// Static texts of skinned dialogs choose their look with a two-character prefix:
//   "&b" bold font, dark grey (labels)      "&n" normal font, dark grey (notes, marks)
//   "&c" normal font, soft blue (hints)
// CSkinDialog removes the prefix and draws such texts transparently in that style.
#include <QColor>
#include <QString>

namespace ui {

enum class LabelStyle { Plain, Bold, Normal, Hint };

struct SkinLabelText {
    LabelStyle style = LabelStyle::Plain;
    QString text;  // without the prefix; line breaks as "\n"
};

// Splits a static text into its style and the text shown. Texts without one of the three prefixes
// stay Plain and unchanged apart from line breaks.
SkinLabelText ParseSkinLabel(const QString& text);

// Line breaks written as "\r\n" or a lone "\r" (as message texts carry them) become "\n".
QString DisplayLines(const QString& text);

// Text colour of a styled label; Plain gives the normal label colour.
QColor LabelColour(LabelStyle style);

}  // namespace ui
