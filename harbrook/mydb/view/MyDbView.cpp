#include <mydb/view/MyDbView.h>

#include <mydb/view/MyDbTableModel.h>
#include <outside/Textaid.h>
#include <shell/CommandIds.h>
#include <shell/gui/AppData.h>
#include <shell/gui/FileDialog.h>
#include <shell/gui/MenuResources.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/SkinPopupMenu.h>
#include <shell/gui/TextAdapter.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>

#include <platform/MessageTarget.h>

#include <QHeaderView>

#include <QResizeEvent>
#include <algorithm>

namespace {

constexpr int kEditPopup = 1;  // the Edit popup of the myDB menu is the grid's context menu

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QStringList CMyDbView::CommandChoices() {
    return QStringLiteral("\n#Playlist\n#Track").split(QLatin1Char('\n'));
}

QStringList CMyDbView::GenreChoices() {
    QStringList names{QString()};
    char name[CTextaid::kGenreNameSize];
    for (int genre = 1; genre <= CTextaid::kGenreCount; ++genre) {
        if (CTextaid::GenreIntToStr(genre, name)) names.append(fromCp932(name));
    }
    return names;
}

CMyDbView::CMyDbView(CAppData& appData, QWidget* parent)
    : QWidget(parent),
      m_appData(appData),
      m_editor(appData.m_MyDbData, *this, appData.m_Settings.dbIniFolder,
               appData.m_Settings.dbFileSpec),
      m_model(new MyDbTableModel(appData.m_MyDbData, this)),
      m_grid(new CSkinList(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_grid);
    m_grid->setObjectName(QStringLiteral("myDbGrid"));
    m_grid->setModel(m_model);
    m_grid->SetCellMode(true);
    m_grid->SetEnterMovesDown(true);
    // Typing on the current cell starts editing it, as in a spreadsheet.
    m_grid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked);
    SetUpColumns();
    m_grid->SetEditHandlers(
        [this](const QModelIndex& index) {
            return m_editor.MayBeginEdit(index.row(), index.column());
        },
        [this](ui::CellEdit& edit) { return EndEdit(edit); });
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &CMyDbView::ShowContextMenu);
    // The widths are kept as they change: the settings are written before the views go away.
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CMyDbView::StoreColumnWidths);
}

CMyDbView::~CMyDbView() {
    StoreColumnWidths();
}

void CMyDbView::SetUpColumns() {
    QList<int> widths;
    for (std::uint32_t width : m_appData.m_Settings.dbColumn)
        widths.append(static_cast<int>(width));
    m_grid->SetColumnWidths(widths);
    for (int column = 0; column < MyDbGrid::kColumnCount; ++column) {
        const auto field = static_cast<MyDbField>(column);
        // A field of n bytes holds at most n characters; longer texts are cut when stored.
        const int length = static_cast<int>(mydb::fieldCapacity(field)) - 1;
        switch (field) {
            case MyDbField::Command:
                m_grid->SetColumnEditor(column, ui::CellEditor::DropDown(CommandChoices()));
                break;
            case MyDbField::Genre:
                m_grid->SetColumnEditor(column, ui::CellEditor::DropDown(GenreChoices()));
                break;
            case MyDbField::Year:
                m_grid->SetColumnEditor(column, ui::CellEditor::Number(length));
                break;
            default:
                m_grid->SetColumnEditor(column, ui::CellEditor::Text(length));
                break;
        }
    }
}

void CMyDbView::StoreColumnWidths() {
    std::vector<std::uint32_t> widths;
    for (int width : m_grid->ColumnWidths()) widths.push_back(static_cast<std::uint32_t>(width));
    if (widths.size() == static_cast<std::size_t>(MyDbGrid::kColumnCount)) {
        m_appData.m_Settings.dbColumn = widths;
    }
}

MyDbEditor::Items CMyDbView::SelectedItems() const {
    const QList<int> rows = m_grid->SelectedRows();
    return MyDbEditor::Items(rows.begin(), rows.end());
}

// ---------------------------------------------------------------- commands

bool CMyDbView::onCommand(int id) {
    switch (id) {
        case cmd::kUpdate:
            Rebuild();
            return true;
        case cmd::kSaveDb:
            m_editor.Save();
            Rebuild();
            return true;
        default:
            return IsActive() && RunEditCommand(id);
    }
}

bool CMyDbView::RunEditCommand(int id) {
    const MyDbEditor::Items selection = SelectedItems();
    switch (id) {
        case cmd::kFileNew:
            if (m_editor.New()) Restart();
            return true;
        case cmd::kFileOpen:
            if (m_editor.Open()) Restart();
            Rebuild();
            return true;
        case cmd::kFileSave:
            m_editor.Save();
            Rebuild();
            return true;
        case cmd::kEdit:
            EditCurrentCell(selection);
            return true;
        case cmd::kRowDelete:
            SelectItem(m_editor.Delete(selection));
            return true;
        case cmd::kEditCut:
            SelectItem(m_editor.Cut(selection));
            return true;
        case cmd::kRowInsert:
            m_editor.Insert(selection);
            Rebuild();
            return true;
        case cmd::kEditCopy:
            m_editor.Copy(selection);
            return true;
        case cmd::kEditPaste:
            m_editor.Paste(selection);
            Rebuild();
            return true;
        default:
            return false;
    }
}

std::optional<bool> CMyDbView::commandEnabled(int id) {
    if (id == cmd::kSaveDb || id == cmd::kUpdate) return true;
    if (!IsActive()) return std::nullopt;
    const MyDbEditor::Items selection = SelectedItems();
    switch (id) {
        case cmd::kFileNew:
        case cmd::kFileOpen:
        case cmd::kFileSave:
            return true;
        case cmd::kEdit:
            return MyDbEditor::CanEdit(selection);
        case cmd::kEditCopy:
        case cmd::kEditCut:
        case cmd::kRowDelete:
        case cmd::kRowInsert:
            return m_editor.CanChangeRows(selection);
        case cmd::kEditPaste:
            return m_editor.CanPaste(selection);
        default:
            return std::nullopt;
    }
}

void CMyDbView::Rebuild() {
    // Items are added and removed at the end only, so the scroll position (the top item) and
    // the selected positions stay.
    m_model->Rebuild();
    m_grid->viewport()->update();
}

void CMyDbView::Restart() {
    m_model->Reset();
    m_grid->scrollToTop();
}

void CMyDbView::SelectItem(int item) {
    Rebuild();
    if (item < 0 || item >= m_model->rowCount()) return;
    m_grid->selectionModel()->select(m_model->index(item, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_grid->SetCurrentCell(item, std::max(0, m_grid->CurrentColumn()));
}

// ---------------------------------------------------------------- cell editing

void CMyDbView::EditCurrentCell(const MyDbEditor::Items& selection) {
    if (selection.empty()) return;
    // The cell cursor's cell when its item is selected, else the first selected item's.
    const int current = m_grid->CurrentRow();
    const bool onSelection =
        std::find(selection.begin(), selection.end(), current) != selection.end();
    m_grid->EditCell(onSelection ? current : selection.front(),
                     std::max(0, m_grid->CurrentColumn()));
}

bool CMyDbView::EndEdit(ui::CellEdit& edit) {
    bool storable = true;
    const std::string text = toCp932(edit.text, &storable);
    const int item = edit.index.row();
    const int column = edit.index.column();
    m_grid->setFocus();
    if (storable) {
        m_editor.EndEdit(SelectedItems(), item, column, text);
    } else {
        m_editor.RejectEdit();
    }
    Rebuild();
    // The editor has stored the text already (or refused it): nothing for the grid to write.
    return false;
}

// ---------------------------------------------------------------- user interface

void CMyDbView::Inform(const std::string& text) {
    ShowMessage(fromUtf8(text), CMessageDlg::kInformation);
}

bool CMyDbView::AskYesNo(const std::string& text) {
    return ShowMessage(fromUtf8(text), CMessageDlg::kYesNo) == CMessageDlg::kYes;
}

MyDbEditorUi::Answer CMyDbView::AskYesNoCancel(const std::string& text) {
    switch (ShowMessage(fromUtf8(text), CMessageDlg::kYesNoCancel)) {
        case CMessageDlg::kYes:
            return Answer::kYes;
        case CMessageDlg::kNo:
            return Answer::kNo;
        default:
            return Answer::kCancel;
    }
}

bool CMyDbView::ChooseFile(bool open, const std::string& folder, std::string& path) {
    QString chosen = QString::fromStdString(path);
    if (!CFileDialog::FileNameDlg(window(), CFileDialog::kMyDb, open ? 1 : 0,
                                  QString::fromStdString(folder), chosen)) {
        return false;
    }
    path = chosen.toStdString();
    return true;
}

void CMyDbView::ShowContextMenu(const QPoint& pos) {
    if (!m_menu) {
        m_menu = CSkinPopupMenu::ForCommands(this, this);
    }
    m_menu->SetEntries(
        CSkinPopupMenu::EntriesOf(MenuResources::Popup(MenuResources::kMyDbMenu, kEditPopup),
                                  [this](int id) { return commandEnabled(id).value_or(false); }));
    m_menu->Popup(m_grid->viewport()->mapToGlobal(pos) - QPoint(1, 1));
}

void CMyDbView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_grid->setGeometry(rect());
}

void CMyDbView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_grid->setFocus();
}
