#include <points/view/PointView.h>

#include <points/view/PointCommands.h>
#include <points/view/PointHeader.h>
#include <points/view/PointListModel.h>

#include <points/PointListEdit.h>

#include <shell/CommandIds.h>
#include <shell/Mode.h>
#include <shell/gui/AppData.h>
#include <shell/gui/MenuResources.h>
#include <shell/gui/MessageDlg.h>
#include <shell/gui/SkinPopupMenu.h>
#include <shell/gui/TextAdapter.h>
#include <ui/SkinButton.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>

#include <platform/MessageTarget.h>

#include <QHeaderView>
#include <QItemSelectionModel>

namespace {

constexpr int kPointMode = ModeIndex(Mode::Points);
const QString kBadCharacters = QStringLiteral("適切でない文字が含まれています。");
// Longest text the in-place editors take (the store cuts it to the unit's bytes).
constexpr int kNameChars = 40;
constexpr int kTelephoneChars = 24;

}  // namespace

CPointView::CPointView(CAppData& app, QWidget* parent)
    : QWidget(parent), m_app(app), m_model(std::make_unique<PointListModel>(app.m_PointData)) {
    m_header = new CPointHeader(this);
    m_list = new CSkinList(this);
    BuildList();
    m_commands = std::make_unique<PointCommands>(
        app, *m_model, this,
        PointCommands::ListHooks{
            [this] { return SelectedRow(); }, [this](int row) { SelectRow(row); },
            [this](int row) {
                return m_list->EditCell(
                    row, std::max<int>(m_list->CurrentColumn(), points::kColumnName));
            },
            [this] { m_list->setFocus(); }});
    connect(m_header, &CPointHeader::pictureClicked, this,
            [this] { m_commands->onCommand(cmd::kForceOrvane); });
    setFocusProxy(m_list);
}

CPointView::~CPointView() { StoreColumnWidths(); }

void CPointView::StoreColumnWidths() {
    std::vector<std::uint32_t> widths;
    for (int width : m_list->ColumnWidths()) widths.push_back(static_cast<std::uint32_t>(width));
    if (widths.size() == points::kPointColumnCount) m_app.m_Settings.ptColumn = widths;
}

void CPointView::BuildList() {
    m_list->setModel(m_model.get());
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->SetImageSize(QSize(33, 13));
    m_list->SetCellMode(true);
    m_list->SetColumnEligible(points::kColumnState, false);
    QList<int> widths;
    for (std::uint32_t width : m_app.m_Settings.ptColumn) widths.append(static_cast<int>(width));
    m_list->SetColumnWidths(widths);
    // The widths are kept as they change: the settings are written before the views go away.
    connect(m_list->horizontalHeader(), &QHeaderView::sectionResized, this,
            &CPointView::StoreColumnWidths);
    m_list->SetColumnEditor(points::kColumnName, ui::CellEditor::Text(kNameChars));
    m_list->SetColumnEditor(points::kColumnReading, ui::CellEditor::Text(kNameChars));
    m_list->SetColumnEditor(points::kColumnTelephone, ui::CellEditor::Telephone(kTelephoneChars));
    m_list->SetColumnEditor(points::kColumnGroup, ui::CellEditor::DropDown(m_model->GroupNames()));
    m_list->SetEditHandlers(
        [](const QModelIndex& cell) { return cell.column() != points::kColumnState; },
        [this](ui::CellEdit& edit) { return FinishEdit(edit); });
    // The group names can change with every update (the unit's group file).
    connect(m_model.get(), &PointListModel::updated, this, [this] {
        m_list->SetColumnEditor(points::kColumnGroup,
                                ui::CellEditor::DropDown(m_model->GroupNames()));
    });
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this] {
        if (SelectedRow() >= 0) m_commands->onCommand(cmd::kProperties);
    });
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(m_list->viewport()->mapToGlobal(pos)); });
}

bool CPointView::FinishEdit(ui::CellEdit& edit) {
    const int row = edit.index.row();
    const int column = edit.index.column();
    if (column == points::kColumnGroup) {
        // The group is stored here, from the chosen entry; the model has been updated already.
        if (edit.choice >= 0) m_model->SetGroup(row, edit.choice);
        m_list->setFocus();
        return false;
    }
    bool ok = true;
    std::string text = toCp932(edit.text, &ok);
    if (!ok || !points::PrepareListText(column, text)) {
        ShowMessage(kBadCharacters, CMessageDlg::kInformation);
        return false;
    }
    edit.text = fromCp932(text);  // a reading in katakana
    m_list->setFocus();
    return true;
}

int CPointView::SelectedRow() const {
    const QList<int> rows = m_list->SelectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst();
}

void CPointView::SelectRow(int row) {
    if (row < 0) {
        m_list->clearSelection();
        m_list->viewport()->repaint();
        return;
    }
    m_list->selectRow(row);
}

void CPointView::UpdateButtons() {
    for (int id : {cmd::kPointNew, cmd::kShowOnMap, cmd::kTakeFromMap}) {
        if (CSkinButton* button = m_header->Button(id)) {
            button->setEnabled(m_commands->commandEnabled(id).value_or(false));
        }
    }
}

bool CPointView::onCommand(int id) {
    if (id == cmd::kIdle) {
        // Every view refreshes its own controls: the command goes on to the others.
        UpdateButtons();
        return false;
    }
    return m_commands->onCommand(id);
}

std::optional<bool> CPointView::commandEnabled(int id) {
    return m_commands->commandEnabled(id);
}

std::optional<std::string> CPointView::commandText(int id) {
    return m_commands->commandText(id);
}

void CPointView::ShowContextMenu(const QPoint& globalPos) {
    if (!m_contextMenu) {
        m_contextMenu = CSkinPopupMenu::ForCommands(this, this);
    }
    m_contextMenu->SetEntries(CSkinPopupMenu::EntriesOf(
        MenuResources::Popup(MenuResources::kPointsMenu, 1),
        [this](int id) { return commandEnabled(id).value_or(false); },
        [this](int id) { return commandText(id); }));
    m_contextMenu->Popup(globalPos);
}

void CPointView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_header->setGeometry(0, 0, width(), CPointHeader::kHeight);
    m_list->setGeometry(0, CPointHeader::kHeight, width(), height() - CPointHeader::kHeight);
}

void CPointView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_app.m_Settings.view == kPointMode) m_list->setFocus();
}

void CPointView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    m_list->setFocus();
}
