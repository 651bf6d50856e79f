#include <ui/InPlaceEdit.h>

#include <ui/SkinCellDelegate.h>

#include <QAbstractItemModel>

void InPlaceEdit::SetHandlers(ui::BeginEditHandler begin, ui::EndEditHandler end) {
    m_begin = std::move(begin);
    m_end = std::move(end);
}

bool InPlaceEdit::MayBegin(const QModelIndex& index) const {
    return index.isValid() && (!m_begin || m_begin(index));
}

void InPlaceEdit::Started(const QModelIndex& index) {
    m_index = index;
    m_noted.reset();
}

void InPlaceEdit::Commit(const QWidget* editor) {
    if (!m_index.isValid()) return;
    m_noted = Noted{SkinCellDelegate::EditorText(editor), SkinCellDelegate::EditorChoice(editor)};
}

bool InPlaceEdit::Finish(QAbstractItemModel* model) {
    const QPersistentModelIndex index = m_index;
    const std::optional<Noted> noted = m_noted;
    m_index = QPersistentModelIndex();
    m_noted.reset();
    if (!noted || !index.isValid() || !model) return false;
    ui::CellEdit edit{index, noted->text, noted->choice};
    if (m_end && !m_end(edit)) return false;
    // The handler may have rebuilt the model.
    if (!index.isValid()) return false;
    return model->setData(index, edit.text, Qt::EditRole);
}
