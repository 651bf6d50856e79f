#include <music/view/MusicView.h>

#include <music/view/MusicListModel.h>
#include <music/view/MusicStatus.h>
#include <music/view/MusicTreeModel.h>

#include <shell/CommandIds.h>
#include <songbase/Songbase.h>
#include <shell/gui/AppData.h>
#include <shell/gui/MenuResources.h>
#include <shell/gui/SkinPopupMenu.h>
#include <ui/PcFilePane.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <platform/MessageTarget.h>

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QSplitter>

#include <algorithm>

const char* const CMusicView::kCaption = "  転送リスト";

namespace {

constexpr int kEditPopup = 1;  // the Edit popup of the music menu is the panes' context menu
constexpr int kRowImage = 16;  // MP3 and WMA row icons

}  // namespace

CMusicView::CMusicView(CAppData& app, QWidget* parent)
    : QWidget(parent),
      m_app(app),
      m_doc(app.m_MusicData),
      m_treeModel(new MusicTreeModel(this)),
      m_listModel(new MusicListModel(this)) {
    BuildPanes();
    ConnectEditing();
    ConnectDrops();
    m_addTimer.setInterval(0);
    connect(&m_addTimer, &QTimer::timeout, this, &CMusicView::AddStep);
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    Refill();
}

CMusicView::~CMusicView() {
    disconnect(m_focusConnection);
    m_addTimer.stop();
    if (m_add) qApp->removeEventFilter(this);
    StorePlayColumns();
}

void CMusicView::StorePlayColumns() {
    m_playPane->StoreColumnWidths();
    // While tracks are shown the seventh width is the one kept for the playlists.
    std::vector<std::uint32_t>& widths = m_app.m_Settings.playColumn;
    const auto year = static_cast<std::size_t>(MusicListModel::kReleaseYear);
    if (m_listModel->ShowsTracks() && widths.size() > year && m_widths.size() > qsizetype(year))
        widths[year] = static_cast<std::uint32_t>(std::max(m_widths[qsizetype(year)], 0));
}

void CMusicView::BuildPanes() {
    AppSettings& settings = m_app.m_Settings;
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setHandleWidth(5);
    m_splitter->setChildrenCollapsible(false);
    m_pcPane = new CPcFilePane(settings.fileSplit, settings.fileColumn, settings.shellFolders);
    m_tree = new CSkinTree;
    m_tree->setModel(m_treeModel);
    m_tree->SetEditor(ui::CellEditor::Text(32));
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list = new CSkinList;
    m_list->setModel(m_listModel);
    m_list->SetImageSize(QSize(kRowImage, kRowImage));
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_playPane = new CSplitPane;
    m_playPane->Create(m_tree, kPlayTreeId, QString::fromUtf8(kCaption), m_list, kPlayListId,
                       MusicListModel::kPlayListColumns, settings.playSplit, settings.playColumn);
    for (std::uint32_t width : settings.playColumn) m_widths.append(static_cast<int>(width));
    m_splitter->addWidget(m_pcPane);
    m_splitter->addWidget(m_playPane);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const QList<int> sizes = m_splitter->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        if (total > 0) m_app.m_Settings.exSplit = float(sizes.value(0)) / float(total);
    });
    m_status = new CMusicStatus(this);
    // Column widths go to the settings as they change: the settings are written before the
    // views go away.
    connect(m_list->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { StorePlayColumns(); });
    connect(m_pcPane->FileList()->horizontalHeader(), &QHeaderView::sectionResized, m_pcPane,
            [this] { m_pcPane->StoreColumnWidths(); });

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { OnTreeCurrent(); });
    for (QAbstractItemView* pane : {static_cast<QAbstractItemView*>(m_tree),
                                    static_cast<QAbstractItemView*>(m_list)}) {
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& pos) {
            ShowContextMenu(pane == m_list ? m_list : nullptr, pane == m_tree ? m_tree : nullptr,
                            pos);
        });
    }
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        // A playlist row opens the playlist, as its tree item does.
        if (!m_listModel->ShowsTracks()) ShowPlayList(index.row());
    });
}

void CMusicView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int statusHeight = m_status->sizeHint().height();
    m_splitter->setGeometry(0, 0, width(), std::max(0, height() - statusHeight));
    m_status->setGeometry(0, height() - statusHeight, width(), statusHeight);
    if (!m_splitPlaced && width() > 0) {
        const float ratio = std::clamp(m_app.m_Settings.exSplit, 0.1f, 0.9f);
        const int left = int(float(width()) * ratio);
        m_splitter->setSizes({left, width() - left});
        m_splitPlaced = true;
    }
}

void CMusicView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_pane == Pane::None) m_tree->setFocus();
}

// ---------------------------------------------------------------- selection

void CMusicView::OnFocusChanged(QWidget* now) {
    if (!now) return;
    if (now == m_tree) {
        m_pane = Pane::PlayTree;
    } else if (now == m_list) {
        m_pane = Pane::TransferList;
    } else if (now == m_pcPane->FolderTree()) {
        m_pane = Pane::FolderTree;
    } else if (now == m_pcPane->FileList()) {
        m_pane = Pane::FileList;
    }
}

void CMusicView::FocusTree() {
    m_tree->setFocus();
    m_pane = Pane::PlayTree;
}

void CMusicView::OnTreeCurrent() {
    const int list = MusicTreeModel::PlayListOf(m_tree->currentIndex());
    if (list != m_listModel->PlayList()) ShowList(list);
}

void CMusicView::ShowList(int list) {
    // The seventh column's width is kept while tracks are shown.
    const QList<int> shown = m_list->ColumnWidths();
    for (int column = 0; column < shown.size() && column < m_widths.size(); ++column)
        m_widths[column] = shown[column];
    m_listModel->Show(list);
    m_list->SetColumnWidths(m_widths.mid(0, m_listModel->columnCount()));
}

void CMusicView::ShowPlayList(int list) {
    const QModelIndex item =
        list >= 0 ? m_treeModel->PlayListIndex(list) : m_treeModel->RootIndex();
    m_tree->expand(m_treeModel->RootIndex());
    m_tree->setCurrentIndex(item);
    m_tree->selectionModel()->select(item, QItemSelectionModel::ClearAndSelect);
    ShowList(list);
}

void CMusicView::SelectRows(const std::vector<int>& rows) {
    MarkRows(rows);
    m_list->setFocus();
    m_pane = Pane::TransferList;
}

void CMusicView::MarkRows(const std::vector<int>& rows) {
    QItemSelection selection;
    for (int row : rows) {
        if (row < 0 || row >= m_listModel->rowCount()) continue;
        selection.select(m_listModel->index(row, 0),
                         m_listModel->index(row, m_listModel->columnCount() - 1));
    }
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        m_list->selectionModel()->setCurrentIndex(selection.indexes().first(),
                                                  QItemSelectionModel::NoUpdate);
    }
}

int CMusicView::TreePlayList() const {
    return MusicTreeModel::PlayListOf(m_tree->currentIndex());
}

QList<int> CMusicView::SelectedRows() const {
    return m_list->SelectedRows();
}

void CMusicView::Refill() {
    // The playlist shown, the selected rows and the scroll position stay where they can.
    const int list = m_listModel->PlayList();
    const QList<int> rows = SelectedRows();
    const int top = m_list->TopRow();
    m_treeModel->Refill();
    const int count = CSongbase::GetPlayListCount();
    ShowPlayList(list < count ? list : -1);
    if (list < count) {
        std::vector<int> keep;
        for (int row : rows)
            if (row < m_listModel->rowCount()) keep.push_back(row);
        MarkRows(keep);
        if (top >= 0) m_list->SetTopRow(top);
    }
    m_status->SetCapacity(CSongbase::GetAllFileSize());
}

// ---------------------------------------------------------------- adding

void CMusicView::AddItems(std::vector<MusicAddItem> items, int target, bool wait) {
    if (m_add || items.empty()) return;
    m_add = std::make_unique<MusicAddRun>(m_doc, m_app.m_Settings.autoSort != 0);
    m_add->Begin(std::move(items), target);
    qApp->installEventFilter(this);
    if (wait) {
        m_add->RunAll();
        EndAdding();
    } else {
        m_addTimer.start();
    }
}

void CMusicView::AddStep() {
    if (!m_add) return;
    if (!m_add->Step()) {
        EndAdding();
        return;
    }
    m_status->SetProgress(m_add->FilesDone(), m_add->LastPath());
}

void CMusicView::EndAdding() {
    m_addTimer.stop();
    qApp->removeEventFilter(this);
    const std::unique_ptr<MusicAddRun> run = std::move(m_add);
    m_status->SetProgress(-1, {});
    const int last = run->LastPlayList();
    if (run->Failed()) ShowReport();
    Refill();
    if (last >= 0 && last < m_treeModel->rowCount(m_treeModel->RootIndex())) ShowPlayList(last);
}

bool CMusicView::eventFilter(QObject* watched, QEvent* event) {
    // While files are added, Escape stops the run after the file being added.
    if (m_add && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_add->Stop();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- context menu

void CMusicView::ShowContextMenu(CSkinList* list, CSkinTree* tree, const QPoint& pos) {
    if (!m_menu) {
        m_menu = CSkinPopupMenu::ForCommands(this, this);
    }
    m_pane = list ? Pane::TransferList : Pane::PlayTree;
    m_menu->SetEntries(
        CSkinPopupMenu::EntriesOf(MenuResources::Popup(MenuResources::kMusicMenu, kEditPopup),
                                  [this](int id) { return commandEnabled(id).value_or(false); }));
    QWidget* viewport = list ? list->viewport() : tree->viewport();
    m_menu->Popup(viewport->mapToGlobal(pos) - QPoint(1, 1));
}
