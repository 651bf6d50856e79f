#pragma once
// SkinItemView: what skinned lists and trees share on top of their Qt view: skinned scroll bars,
// in-place editing through begin-edit and end-edit handlers, drag and drop between panes, and the
// FOCUSCHANGED command to the main frame when the focus comes or goes.
#include <ui/CellEditor.h>
#include <ui/InPlaceEdit.h>
#include <ui/PaneDragDrop.h>
#include <ui/SkinContext.h>
#include <ui/SkinScrollBar.h>

#include <QAbstractItemView>
#include <QDropEvent>
#include <QFocusEvent>

#include <functional>

template <class View>
class SkinItemView : public View {
public:
    using EditTrigger = QAbstractItemView::EditTrigger;

    explicit SkinItemView(QWidget* parent) : View(parent), m_dragDrop(this) {}

    void SetEditHandlers(ui::BeginEditHandler begin, ui::EndEditHandler end) {
        m_edit.SetHandlers(std::move(begin), std::move(end));
    }
    bool IsEditing() const { return this->state() == QAbstractItemView::EditingState; }

    PaneDragDrop& DragDrop() { return m_dragDrop; }
    const PaneDragDrop& DragDrop() const { return m_dragDrop; }
    CSkinScrollBar* HorizontalBar() const {
        return static_cast<CSkinScrollBar*>(this->horizontalScrollBar());
    }
    CSkinScrollBar* VerticalBar() const {
        return static_cast<CSkinScrollBar*>(this->verticalScrollBar());
    }

protected:
    using Notify = std::function<void(Qt::Orientation orientation, int code, int position)>;

    // Puts in the skinned bars; `notify` hears every notification they send.
    void InstallScrollBars(const Notify& notify) {
        CSkinScrollBar::Install(this);
        for (CSkinScrollBar* bar : {HorizontalBar(), VerticalBar()}) {
            QObject::connect(bar, &CSkinScrollBar::notified, this,
                             [notify, bar](int code, int position) {
                                 notify(bar->orientation(), code, position);
                             });
        }
        // The view's own reactions to its bars (fetching more rows at the end, hover updates).
        QObject::connect(VerticalBar(), &QScrollBar::valueChanged, this,
                         &SkinItemView::verticalScrollbarValueChanged);
        QObject::connect(HorizontalBar(), &QScrollBar::valueChanged, this,
                         &SkinItemView::horizontalScrollbarValueChanged);
    }

    // The editor kind for `index`; kNone refuses editing.
    virtual ui::CellEditor::Kind EditorKind(const QModelIndex& index) const = 0;

    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
        if (trigger != QAbstractItemView::AllEditTriggers && !(this->editTriggers() & trigger))
            return View::edit(index, trigger, event);
        if (IsEditing() || EditorKind(index) == ui::CellEditor::Kind::kNone ||
            !m_edit.MayBegin(index))
            return false;
        if (!View::edit(index, trigger, event)) return false;
        m_edit.Started(index);
        return true;
    }

    void commitData(QWidget* editor) override { m_edit.Commit(editor); }

    // An edit has ended and its handler has run; `hint` tells how the editor was left
    // (SubmitModelCache: Enter).
    virtual void EditClosed(QAbstractItemDelegate::EndEditHint hint) { (void)hint; }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        // Qt's own moves to the next cell are not wanted; the handler runs once the editor is gone.
        View::closeEditor(editor, QAbstractItemDelegate::NoHint);
        m_edit.Finish(this->model());
        this->viewport()->update();
        EditClosed(hint);
    }

    void focusInEvent(QFocusEvent* event) override {
        View::focusInEvent(event);
        ui::SkinContext::SendCommand(ui::kFocusChangedCommand);
    }

    void focusOutEvent(QFocusEvent* event) override {
        View::focusOutEvent(event);
        ui::SkinContext::SendCommand(ui::kFocusChangedCommand);
    }

    void startDrag(Qt::DropActions) override { m_dragDrop.StartDrag(); }

    void dragEnterEvent(QDragEnterEvent* event) override {
        if (!m_dragDrop.HasHandlers()) return View::dragEnterEvent(event);
        if (m_dragDrop.DragEnter(event)) this->setState(QAbstractItemView::DraggingState);
    }

    void dragMoveEvent(QDragMoveEvent* event) override {
        View::dragMoveEvent(event);  // scrolls near the edges
        if (m_dragDrop.HasHandlers()) m_dragDrop.DragMove(event);
    }

    void dragLeaveEvent(QDragLeaveEvent* event) override {
        View::dragLeaveEvent(event);
        m_dragDrop.DragLeave();
    }

    void dropEvent(QDropEvent* event) override {
        if (!m_dragDrop.HasHandlers()) return View::dropEvent(event);
        this->stopAutoScroll();
        this->setState(QAbstractItemView::NoState);
        m_dragDrop.Drop(event);
        this->viewport()->update();
    }

private:
    InPlaceEdit m_edit;
    PaneDragDrop m_dragDrop;
};
