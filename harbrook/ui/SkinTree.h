#pragma once
// CSkinTree: the skinned tree of the panes (PC folders, playlists): items drawn on the normal row
// colour, the selected item's label in the selected colour with white text, the item under a drag
// in the drop-target colour, skinned scroll bars, and optionally a caption band above the items.
// It shows any QAbstractItemModel; items are fetched as they are expanded (canFetchMore/fetchMore
// or hasChildren), so large trees cost nothing until opened.
//
// Usage for view authors:
//   auto* tree = new CSkinTree(this);
//   tree->setModel(model);                        // column 0 is shown
//   tree->SetCaption(QStringLiteral("  転送リスト"));  // optional light grey caption band
//   tree->SetEditor(ui::CellEditor::Text(32));    // labels editable in place (Qt::ItemIsEditable)
//   tree->SetEditHandlers(begin, end);            // as CSkinList (ui/InPlaceEdit.h)
//   tree->EditItem(index);                        // the view's "edit" command
// Drag and drop: DragDrop() as CSkinList. A left or right click that changes the current item
// plays the click sound; gaining or losing the focus sends the main frame FOCUSCHANGED.
#include <ui/SkinItemView.h>
#include <ui/SkinRoles.h>

#include <QTreeView>

class SkinHeaderView;
class SkinTreeDelegate;

class CSkinTree : public SkinItemView<QTreeView> {
    Q_OBJECT
public:
    explicit CSkinTree(QWidget* parent = nullptr);
    ~CSkinTree() override;

    // A caption band above the items; an empty text removes it.
    void SetCaption(const QString& caption);
    QString Caption() const;

    void SetEditor(const ui::CellEditor& editor);
    // Opens the label editor on `index`; false when refused or not editable.
    bool EditItem(const QModelIndex& index);

    // The item a drag hovers over; invalid when none.
    QModelIndex DropTarget() const { return DragDrop().Target(); }

Q_SIGNALS:
    // A scroll bar moved the tree: code as CSkinScrollBar::Code, position after the move.
    void scrolled(Qt::Orientation orientation, int code, int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    ui::CellEditor::Kind EditorKind(const QModelIndex& index) const override;

private:
    SkinHeaderView* m_header;
    SkinTreeDelegate* m_delegate;
};
