#include <points/view/DialogItems.h>

#include <ui/SkinButton.h>
#include <ui/SkinDialog.h>
#include <ui/SkinIds.h>

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace pointdlg {
namespace {

// Turns Enter into the move to the next field.
class EnterMovesOn : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        auto* field = qobject_cast<QWidget*>(watched);
        if (QWidget* next = field ? field->nextInFocusChain() : nullptr) {
            // Skip what cannot take the focus (labels, disabled buttons).
            while (next != field && (!next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)))
                next = next->nextInFocusChain();
            next->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
};

}  // namespace

void AddButton(CSkinDialog* dialog, int id, int image, const QRect& rect, const QString& text) {
    auto* plain = new QPushButton(text, dialog);
    plain->setGeometry(rect);
    CSkinDialog::SetItemId(plain, id);
    auto* button = new CSkinButton(dialog);
    if (!button->ReplaceDialogItem(id, dialog, image)) {
        delete button;
        QObject::connect(plain, &QPushButton::clicked, dialog,
                         [dialog, id] { dialog->PostCommand(id); });
    }
}

void AddOkCancel(CSkinDialog* dialog, int width, int height, const QString& okText) {
    constexpr int kButtonWidth = 80, kButtonHeight = 24, kGap = 12, kMargin = 14, kBottom = 12;
    const int top = height - kBottom - kButtonHeight;
    const int cancelX = width - kMargin - kButtonWidth;
    AddButton(dialog, 1, ui::image::kButtonOk,
              QRect(cancelX - kGap - kButtonWidth, top, kButtonWidth, kButtonHeight), okText);
    AddButton(dialog, 2, ui::image::kButtonCancel, QRect(cancelX, top, kButtonWidth, kButtonHeight),
              QStringLiteral("キャンセル"));
}

QLabel* AddLabel(QWidget* dialog, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, dialog);
    label->setGeometry(rect);
    return label;
}

void MoveOnWithEnter(QWidget* field) {
    field->installEventFilter(new EnterMovesOn(field));
}

void PlainDigits(QWidget* field) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhNoPredictiveText | Qt::ImhLatinOnly);
}

}  // namespace pointdlg
