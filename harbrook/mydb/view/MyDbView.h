#pragma once
// CMyDbView: the main frame's myDB mode. A nine-column skinned grid over the myDB store with
// in-place cell editing (drop-downs for the command and the genre), new, open, save, cut, copy,
// paste, delete and insert. The commands themselves are MyDbEditor's; this view asks the user
// through the message and file dialogs and keeps the grid in step with the store.
#include <mydb/MyDbEditor.h>
#include <shell/CommandTarget.h>

#include <QWidget>

class CAppData;
class CSkinList;
class CSkinPopupMenu;
class MyDbTableModel;
class QModelIndex;
namespace ui {
struct CellEdit;
}

class CMyDbView : public QWidget, public CommandTarget, private MyDbEditorUi {
    Q_OBJECT
public:
    // The grid's choices in the command and genre columns (the first is empty).
    static QStringList CommandChoices();
    static QStringList GenreChoices();

    explicit CMyDbView(CAppData& appData, QWidget* parent = nullptr);
    ~CMyDbView() override;

    CSkinList* Grid() const { return m_grid; }
    MyDbTableModel* Model() const { return m_model; }
    const MyDbEditor& Editor() const { return m_editor; }
    // The selected grid items in grid order.
    MyDbEditor::Items SelectedItems() const;

    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // MyDbEditorUi: the message dialog and the myDB file dialog.
    void Inform(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    bool ChooseFile(bool open, const std::string& folder, std::string& path) override;

    void SetUpColumns();
    // The myDB commands work only while the myDB mode is shown; saving (SAVE DB) works always.
    bool IsActive() const { return !isHidden(); }
    bool RunEditCommand(int id);
    // After a change: items follow the store, the top item stays where it was.
    void Rebuild();
    // After a file was opened or the store emptied: the grid starts again at its top.
    void Restart();
    void SelectItem(int item);
    void EditCurrentCell(const MyDbEditor::Items& selection);
    bool EndEdit(ui::CellEdit& edit);
    void ShowContextMenu(const QPoint& pos);
    void StoreColumnWidths();

    CAppData& m_appData;
    MyDbEditor m_editor;
    MyDbTableModel* m_model;
    CSkinList* m_grid;
    CSkinPopupMenu* m_menu = nullptr;  // the context menu, made when first needed
};
