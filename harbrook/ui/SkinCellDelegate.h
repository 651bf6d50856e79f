#pragma once
// SkinCellDelegate: makes the in-place editors of skinned lists and trees, one kind per column
// (ui/CellEditor.h). It never writes to the model itself: the view hands the editor's text to its
// end-edit handler first (ui/InPlaceEdit.h) and stores it only when the handler accepts.
#include <ui/CellEditor.h>

#include <QHash>
#include <QStyledItemDelegate>

class SkinCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit SkinCellDelegate(QObject* parent = nullptr);

    void SetColumnEditor(int column, const ui::CellEditor& editor);
    // The column's editor; kNone for a column without one.
    const ui::CellEditor& ColumnEditor(int column) const;

    // What an editor made by this delegate holds: its text, and for a drop-down the chosen entry
    // (else -1).
    static QString EditorText(const QWidget* editor);
    static int EditorChoice(const QWidget* editor);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    QWidget* CreateDropDown(QWidget* parent, const ui::CellEditor& spec) const;

    QHash<int, ui::CellEditor> m_editors;
};
