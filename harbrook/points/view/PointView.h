#pragma once
// CPointView: the window of the registered-point mode: the header strip with its buttons over the
// five-column skinned list of the point store's points (state icon, name, reading, telephone
// number, group). The list edits names, readings and telephone numbers in place and groups from a
// drop-down; everything else is a command (PointCommands). The column widths are kept in the
// settings ("PtColumn").
#include <shell/CommandTarget.h>

#include <QWidget>

#include <memory>

class CAppData;
class CPointHeader;
class CSkinPopupMenu;
class CSkinList;
class PointCommands;
class PointListModel;

namespace ui {
struct CellEdit;
}

class CPointView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    explicit CPointView(CAppData& app, QWidget* parent = nullptr);
    ~CPointView() override;

    bool onCommand(int id) override;
    std::optional<bool> commandEnabled(int id) override;
    std::optional<std::string> commandText(int id) override;

    CPointHeader* Header() const { return m_header; }
    CSkinList* List() const { return m_list; }
    PointListModel& Model() const { return *m_model; }
    PointCommands& Commands() const { return *m_commands; }
    // The selected row, or -1.
    int SelectedRow() const;
    void SelectRow(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void BuildList();
    // The end of an in-place edit: checks the text; false refuses it.
    bool FinishEdit(ui::CellEdit& edit);
    void UpdateButtons();
    // Keeps the column widths in the settings ("PtColumn").
    void StoreColumnWidths();
    void ShowContextMenu(const QPoint& globalPos);

    CAppData& m_app;
    std::unique_ptr<PointListModel> m_model;
    std::unique_ptr<PointCommands> m_commands;
    CPointHeader* m_header = nullptr;
    CSkinList* m_list = nullptr;
    CSkinPopupMenu* m_contextMenu = nullptr;
};
