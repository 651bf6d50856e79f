#pragma once
// Building blocks of the point dialogs: skinned push buttons, labels and fields where Enter moves
// on to the next field.
#include <QRect>
#include <QString>

class CSkinDialog;
class QLabel;
class QWidget;

namespace pointdlg {

// Item `id` at `rect`: a skinned button with image `image` that delivers `id` to the dialog. When
// the image is missing a plain button with `text` stands in and answers the same way.
void AddButton(CSkinDialog* dialog, int id, int image, const QRect& rect, const QString& text);

// OK (item 1, image 201, `okText` when unskinned) and Cancel (item 2, image 196) at the bottom
// right of a dialog whose client area is `width` × `height`.
void AddOkCancel(CSkinDialog* dialog, int width, int height, const QString& okText);

// A static text (styled by its "&b", "&n" or "&c" prefix when the dialog is set up).
QLabel* AddLabel(QWidget* dialog, const QString& text, const QRect& rect);

// Enter in `field` moves the focus to the next field, as Tab does.
void MoveOnWithEnter(QWidget* field);

// Input methods off (telephone numbers, positions): the field takes plain digits.
void PlainDigits(QWidget* field);

}  // namespace pointdlg
