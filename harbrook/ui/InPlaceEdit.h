#pragma once
// InPlaceEdit: the begin-edit and end-edit handlers of a skinned list or tree and the edit in
// progress. The view opens an editor only when the begin handler agrees; when the editor commits,
// its text is noted, and once the editor has closed the end handler sees it and may rewrite or
// refuse it. Only an accepted text is written to the model (setData with Qt::EditRole), so a
// refused edit leaves the model untouched. Running the handler after the editor has gone lets it
// show a message box or rebuild the model safely.
#include <QModelIndex>
#include <QPersistentModelIndex>
#include <QString>

#include <functional>
#include <optional>

class QAbstractItemModel;
class QWidget;

namespace ui {

// An edit that is ending.
struct CellEdit {
    QModelIndex index;  // the edited cell: row(), column(), parent() for tree items
    QString text;       // the editor's text; the handler may rewrite it before it is stored
    int choice = -1;    // drop-down cells: the chosen entry's index
};

// Return false to refuse: no editor opens.
using BeginEditHandler = std::function<bool(const QModelIndex& index)>;
// Return false to refuse: the editor closes and the model keeps its value.
using EndEditHandler = std::function<bool(CellEdit& edit)>;

}  // namespace ui

class InPlaceEdit {
public:
    void SetHandlers(ui::BeginEditHandler begin, ui::EndEditHandler end);
    bool MayBegin(const QModelIndex& index) const;
    // An editor opened on `index`.
    void Started(const QModelIndex& index);
    // The editor commits: notes its text.
    void Commit(const QWidget* editor);
    // The editor has closed: hands a committed text to the end handler and writes it to `model`
    // unless refused. True when the model took the text.
    bool Finish(QAbstractItemModel* model);
    // The cell being edited (invalid when none).
    QModelIndex Index() const { return m_index; }

private:
    struct Noted {
        QString text;
        int choice = -1;
    };

    ui::BeginEditHandler m_begin;
    ui::EndEditHandler m_end;
    QPersistentModelIndex m_index;
    std::optional<Noted> m_noted;
};
