#pragma once
// PaneDragDrop: dragging items out of a skinned list or tree and dropping items on it, for moves
// between and within panes. A drag carries the source view and its dragged items (plus whatever
// the model's mimeData gives, such as file URLs); the target view asks its drop filter whether
// the item under the pointer takes the drop, paints that item in the drop-target colour, and
// hands the drop to its drop handler. Without handlers the view keeps Qt's model-based drops.
// Drags leave the program only as copies, so no other program can move the user's files.
#include <QList>
#include <QModelIndex>
#include <QPersistentModelIndex>

#include <functional>

class QAbstractItemView;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QWidget;

namespace ui {

struct PaneDrop {
    QAbstractItemView* source = nullptr;  // the pane the drag began in; null from elsewhere
    QList<QPersistentModelIndex> items;   // its dragged items (column 0), in row order
    const QMimeData* mime = nullptr;      // everything the drag carries
    QModelIndex target;                   // item under the pointer here; invalid: empty space
};

// May `drop` land here? Asked while the drag moves over the pane.
using DropFilter = std::function<bool(const PaneDrop& drop)>;
using DropHandler = std::function<void(const PaneDrop& drop)>;

}  // namespace ui

class PaneDragDrop {
public:
    explicit PaneDragDrop(QAbstractItemView* view);

    // Lets the view's selected items be dragged (models flag them Qt::ItemIsDragEnabled).
    void SetDragEnabled(bool enabled);
    // Makes the view a drop target; a null handler turns that off again.
    void SetDropHandlers(ui::DropFilter accepts, ui::DropHandler drop);
    bool HasHandlers() const { return static_cast<bool>(m_drop); }

    // The item a drag hovers over and would drop on; invalid when none.
    QModelIndex Target() const { return m_target; }

    // Drag data as a drag out of `source` with `items` carries it (the caller owns it).
    static QMimeData* MakeMimeData(QAbstractItemView* source,
                                   const QList<QPersistentModelIndex>& items);

    // The view's event handlers call these when HasHandlers().
    void StartDrag();
    bool DragEnter(QDragEnterEvent* event);
    void DragMove(QDragMoveEvent* event);
    void DragLeave();
    void Drop(QDropEvent* event);

private:
    ui::PaneDrop Describe(const QDropEvent* event) const;
    void SetTarget(const QModelIndex& target);

    QAbstractItemView* m_view;
    ui::DropFilter m_accepts;
    ui::DropHandler m_drop;
    QPersistentModelIndex m_target;
};
