#include <ui/PaneDragDrop.h>

#include <QAbstractItemView>
#include <QDrag>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QPointer>

#include <algorithm>
#include <memory>

namespace {

// Marks a drag that began in one of our panes.
const QString kPaneFormat = QStringLiteral("application/x-harbrook-pane-items");

class PaneMimeData : public QMimeData {
public:
    PaneMimeData(QAbstractItemView* source, QList<QPersistentModelIndex> items)
        : m_source(source), m_items(std::move(items)) {
        setData(kPaneFormat, QByteArray::number(m_items.size()));
    }
    QAbstractItemView* Source() const { return m_source; }
    const QList<QPersistentModelIndex>& Items() const { return m_items; }

private:
    QPointer<QAbstractItemView> m_source;
    QList<QPersistentModelIndex> m_items;
};

// Items before one another in the order the pane shows them (same parent: by row).
bool inRowOrder(const QPersistentModelIndex& a, const QPersistentModelIndex& b) {
    if (a.parent() != b.parent()) return a.parent() < b.parent();
    return a.row() < b.row();
}

}  // namespace

PaneDragDrop::PaneDragDrop(QAbstractItemView* view) : m_view(view) {}

void PaneDragDrop::SetDragEnabled(bool enabled) {
    m_view->setDragEnabled(enabled);
    if (enabled && !m_view->acceptDrops()) m_view->setDragDropMode(QAbstractItemView::DragOnly);
}

void PaneDragDrop::SetDropHandlers(ui::DropFilter accepts, ui::DropHandler drop) {
    m_accepts = std::move(accepts);
    m_drop = std::move(drop);
    m_view->setAcceptDrops(static_cast<bool>(m_drop));
    m_view->viewport()->setAcceptDrops(static_cast<bool>(m_drop));
    m_view->setDropIndicatorShown(false);
}

QMimeData* PaneDragDrop::MakeMimeData(QAbstractItemView* source,
                                      const QList<QPersistentModelIndex>& items) {
    auto* mime = new PaneMimeData(source, items);
    QModelIndexList indexes(items.begin(), items.end());
    if (source && source->model() && !indexes.isEmpty()) {
        const std::unique_ptr<QMimeData> modelData(source->model()->mimeData(indexes));
        if (modelData) {
            for (const QString& format : modelData->formats())
                mime->setData(format, modelData->data(format));
        }
    }
    return mime;
}

void PaneDragDrop::StartDrag() {
    if (!m_view->selectionModel()) return;
    QList<QPersistentModelIndex> items;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows(0)) {
        if (index.flags() & Qt::ItemIsDragEnabled) items.append(index);
    }
    if (items.isEmpty()) return;
    std::sort(items.begin(), items.end(), inRowOrder);
    auto* drag = new QDrag(m_view);
    drag->setMimeData(MakeMimeData(m_view, items));
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

ui::PaneDrop PaneDragDrop::Describe(const QDropEvent* event) const {
    ui::PaneDrop drop;
    drop.mime = event->mimeData();
    if (const auto* pane = dynamic_cast<const PaneMimeData*>(drop.mime)) {
        drop.source = pane->Source();
        drop.items = pane->Items();
    }
    drop.target = m_view->indexAt(event->position().toPoint());
    if (drop.target.isValid()) drop.target = drop.target.siblingAtColumn(0);
    return drop;
}

void PaneDragDrop::SetTarget(const QModelIndex& target) {
    if (target == m_target) return;
    m_target = target;
    m_view->viewport()->update();
}

bool PaneDragDrop::DragEnter(QDragEnterEvent* event) {
    // The filter decides per item while the drag moves.
    event->acceptProposedAction();
    return true;
}

void PaneDragDrop::DragMove(QDragMoveEvent* event) {
    const ui::PaneDrop drop = Describe(event);
    if (m_accepts && !m_accepts(drop)) {
        SetTarget(QModelIndex());
        event->ignore();
        return;
    }
    SetTarget(drop.target);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void PaneDragDrop::DragLeave() {
    SetTarget(QModelIndex());
}

void PaneDragDrop::Drop(QDropEvent* event) {
    const ui::PaneDrop drop = Describe(event);
    SetTarget(QModelIndex());
    if (!m_drop || (m_accepts && !m_accepts(drop))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    m_drop(drop);
}
