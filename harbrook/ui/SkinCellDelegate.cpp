#include <ui/SkinCellDelegate.h>

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

const ui::CellEditor kNoEditor;

QLineEdit* makeLineEdit(QWidget* parent, const ui::CellEditor& spec) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    if (spec.maxLength > 0) edit->setMaxLength(spec.maxLength);
    if (spec.kind == ui::CellEditor::Kind::kNumber) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        edit->setInputMethodHints(Qt::ImhDigitsOnly);
    }
    if (spec.kind == ui::CellEditor::Kind::kTelephone) {
        edit->setInputMethodHints(Qt::ImhDialableCharactersOnly | Qt::ImhNoPredictiveText);
    }
    // Numbers and telephone numbers are typed directly, never through an input method.
    if (spec.kind != ui::CellEditor::Kind::kText)
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    return edit;
}

}  // namespace

SkinCellDelegate::SkinCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void SkinCellDelegate::SetColumnEditor(int column, const ui::CellEditor& editor) {
    m_editors.insert(column, editor);
}

const ui::CellEditor& SkinCellDelegate::ColumnEditor(int column) const {
    const auto found = m_editors.constFind(column);
    return found == m_editors.constEnd() ? kNoEditor : *found;
}

QString SkinCellDelegate::EditorText(const QWidget* editor) {
    if (const auto* combo = qobject_cast<const QComboBox*>(editor)) return combo->currentText();
    if (const auto* edit = qobject_cast<const QLineEdit*>(editor)) return edit->text();
    return QString();
}

int SkinCellDelegate::EditorChoice(const QWidget* editor) {
    const auto* combo = qobject_cast<const QComboBox*>(editor);
    return combo ? combo->currentIndex() : -1;
}

QWidget* SkinCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    const ui::CellEditor& spec = ColumnEditor(index.column());
    QWidget* editor = nullptr;
    switch (spec.kind) {
        case ui::CellEditor::Kind::kNone:
            return nullptr;
        case ui::CellEditor::Kind::kDropDown:
            editor = CreateDropDown(parent, spec);
            break;
        default:
            editor = makeLineEdit(parent, spec);
            break;
    }
    editor->setFont(parent->font());
    return editor;
}

QWidget* SkinCellDelegate::CreateDropDown(QWidget* parent, const ui::CellEditor& spec) const {
    auto* combo = new QComboBox(parent);
    combo->addItems(spec.choices);
    combo->setMaxVisibleItems(16);
    // Picking an entry ends the edit at once, as a drop-down list does.
    auto* self = const_cast<SkinCellDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] {
        Q_EMIT self->commitData(combo);
        Q_EMIT self->closeEditor(combo);
    });
    QTimer::singleShot(0, combo, [combo] {
        if (combo->isVisible()) combo->showPopup();
    });
    return combo;
}

void SkinCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    QVariant value = index.data(Qt::EditRole);
    if (!value.isValid()) value = index.data(Qt::DisplayRole);
    const QString text = value.toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(std::max(0, combo->findText(text)));
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    }
}

void SkinCellDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

void SkinCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
    // An editor taller than the row stays centred on it.
    QRect rect = option.rect;
    const int height = std::max(rect.height(), editor->sizeHint().height());
    rect.setTop(rect.top() - (height - rect.height()) / 2);
    rect.setHeight(height);
    editor->setGeometry(rect);
}
