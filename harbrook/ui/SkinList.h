#pragma once
// CSkinList: the skinned report list of every view: a header, rows drawn cell by cell in the skin's
// colours (ui/SkinPalette.h), skinned scroll bars, and optionally a cell cursor (cell mode) for
// grids. It shows any QAbstractItemModel and reads only the rows on screen, so a model of 10 000
// rows costs nothing until it is painted.
//
// Usage for view authors:
//   auto* list = new CSkinList(this);
//   list->setModel(model);                   // rows = model rows, columns = model columns
//   list->SetColumnWidths({100, 25, 150});   // also for columns the model adds later
//   list->SetImageSize(QSize(16, 16));       // rows get a small image (DecorationRole, column 0)
//   list->setSelectionMode(QAbstractItemView::SingleSelection);  // default: multiple (extended)
// The model supplies, per cell, DisplayRole text (a single space " " shows a white marker) and,
// in column 0, DecorationRole (QIcon/QPixmap/QImage), ui::role::kOverlay and ui::role::kItemData
// (the row's item data, read with ItemData()); per column, headerData() gives the title and
// Qt::TextAlignmentRole the alignment (left, right or centre).
//
// In-place editing: give a column an editor kind and the model Qt::ItemIsEditable for its cells;
//   list->SetColumnEditor(5, ui::CellEditor::DropDown(genreNames));
//   list->SetEditHandlers(
//       [](const QModelIndex& cell) { return cell.column() != 0; },   // false refuses to begin
//       [](ui::CellEdit& edit) { return check(edit.text); });         // false refuses the text
// An accepted text is written with setData(Qt::EditRole); edit.text may be rewritten first.
// EditCell(row, column) starts editing (the view's "edit" command; Enter does it in cell mode).
//
// Cell mode (grids): SetCellMode(true); CurrentRow()/CurrentColumn() are the cell cursor, moved by
// clicks, Left/Right (and Tab/Shift+Tab after SetTabNavigation(true)) over the eligible columns:
// visible, wider than 4 pixels and not excluded with SetColumnEligible(column, false).
//
// Drag and drop between panes: DragDrop().SetDragEnabled(true) on the source; on the target
// DragDrop().SetDropHandlers(filter, handler), see ui/PaneDragDrop.h.
//
// Signals: `scrolled` mirrors the scroll bars' notifications; selection and current-item changes
// come from selectionModel(); doubleClicked and customContextMenuRequested are Qt's own. Gaining
// or losing the focus sends the main frame FOCUSCHANGED (ui::kFocusChangedCommand).
#include <ui/SkinItemView.h>
#include <ui/SkinRoles.h>

#include <QList>
#include <QTableView>

class SkinCellDelegate;

class CSkinList : public SkinItemView<QTableView> {
    Q_OBJECT
public:
    explicit CSkinList(QWidget* parent = nullptr);
    ~CSkinList() override;

    void setModel(QAbstractItemModel* model) override;

    // Rows: the small image's height + 1 with an image size, else the font height + 2.
    void SetImageSize(QSize size);
    int RowHeight() const;

    // Column widths in column order. Widths for columns the model does not have yet are applied
    // when the columns appear.
    void SetColumnWidths(const QList<int>& widths);
    QList<int> ColumnWidths() const;

    // Cell mode and its cursor.
    void SetCellMode(bool on);
    bool CellMode() const { return m_cellMode; }
    void SetTabNavigation(bool on);
    // Enter in a cell editor commits and moves the cell cursor (and the selection) down a row,
    // as in a spreadsheet.
    void SetEnterMovesDown(bool on) { m_enterMovesDown = on; }
    int CurrentRow() const;
    int CurrentColumn() const;
    // Moves the cell cursor to the nearest eligible column starting at `column` and going away
    // from the current one, and scrolls it into view; false (and no move) when there is none.
    bool MoveToColumn(int column);
    // Puts the cell cursor on (row, column) without changing the selection.
    void SetCurrentCell(int row, int column);
    void SetColumnEligible(int column, bool eligible);
    bool IsColumnEligible(int column) const;

    // Editing.
    void SetColumnEditor(int column, const ui::CellEditor& editor);
    // Opens the column's editor on the cell; false when refused or not editable.
    bool EditCell(int row, int column);

    // The first row on screen (-1 when empty); SetTopRow scrolls `row` to the top as far as the
    // rows below it allow. Views keep the top row across a rebuild with these.
    int TopRow() const { return rowAt(0); }
    void SetTopRow(int row);

    // Selection and item data.
    QList<int> SelectedRows() const;  // ascending
    QVariant ItemData(int row) const;
    int FindItemData(const QVariant& value) const;  // first row with that item data, or -1

Q_SIGNALS:
    // A scroll bar moved the list: code as CSkinScrollBar::Code, position after the move.
    void scrolled(Qt::Orientation orientation, int code, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    ui::CellEditor::Kind EditorKind(const QModelIndex& index) const override;
    void EditClosed(QAbstractItemDelegate::EndEditHint hint) override;

private:
    void ApplyRowHeight();
    void ApplyPendingWidths();
    // The first eligible column from `column` on in `step` direction (+1 or -1), or -1.
    int EligibleFrom(int column, int step) const;
    void ScrollColumnIntoView(int column);
    void RepaintCurrentRow();

    SkinCellDelegate* m_delegate;
    QList<int> m_widths;      // as last set, applied to columns as they appear
    QList<int> m_ineligible;  // columns the cell cursor skips
    bool m_cellMode = false;
    bool m_enterMovesDown = false;
};
