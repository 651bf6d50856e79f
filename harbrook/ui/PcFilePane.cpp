#include <ui/PcFilePane.h>

#include <ui/ShellIcons.h>
#include <ui/SkinContext.h>
#include <ui/SkinList.h>
#include <ui/SkinTree.h>

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

const char* const CPcFilePane::kCaption = "  デスクトップ内のフォルダ";

namespace {

CSkinTree* makeFolderTree() {
    auto* tree = new CSkinTree;
    tree->DragDrop().SetDragEnabled(true);
    return tree;
}

CSkinList* makeFileList() {
    auto* list = new CSkinList;
    list->SetImageSize(QSize(ShellIcons::kSize, ShellIcons::kSize));
    list->DragDrop().SetDragEnabled(true);
    list->horizontalHeader()->setSortIndicator(FileListModel::kName, Qt::AscendingOrder);
    list->setSortingEnabled(true);
    return list;
}

}  // namespace

CPcFilePane::CPcFilePane(float& ratio, std::vector<std::uint32_t>& widths,
                         std::string& shellFolders, QWidget* parent,
                         FolderTreeModel::RootSource roots)
    : CSplitPane(parent),
      m_shellFolders(shellFolders),
      m_files(new FileListModel(this)),
      m_folders(new FolderTreeModel(this, std::move(roots))) {
    CSkinTree* tree = makeFolderTree();
    CSkinList* list = makeFileList();
    tree->setModel(m_folders);
    list->setModel(m_files);
    Create(tree, kTreeId, QString::fromUtf8(kCaption), list, kListId, kColumnCount, ratio, widths);

    connect(tree, &CSkinTree::expanded, m_folders, &FolderTreeModel::Expand);
    // Selection, not the current item: a view makes its first item current when it gets the
    // focus, which is no choice of the user's.
    connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { OnTreeSelection(); });
    connect(list, &QAbstractItemView::activated, this, &CPcFilePane::OnListActivated);
    connect(m_files, &FileListModel::filled, this, &CPcFilePane::OnFilled);
    connect(m_folders, &FolderTreeModel::revealed, this, &CPcFilePane::OnRevealed);
}

void CPcFilePane::SetNotifyTarget(platform::MessageTarget* target) {
    m_targetSet = true;
    m_files->SetNotifyTarget(target);
    m_folders->SetNotifyTarget(target);
}

void CPcFilePane::RestoreFolder() {
    if (!m_targetSet) SetNotifyTarget(ui::SkinContext::CommandTarget());
    const CItemIdList saved = CItemIdList::FromHex(m_shellFolders);
    if (!saved.IsEmpty()) ShowFolder(saved.Path());
}

void CPcFilePane::ShowFolder(const QString& folder) {
    Fill(folder);
}

void CPcFilePane::Fill(const QString& folder) {
    List()->viewport()->setCursor(Qt::BusyCursor);
    m_files->Fill(folder);
}

void CPcFilePane::Refresh() {
    m_folders->Refresh();
    if (m_files->Folder().IsEmpty()) return;
    m_reselect.clear();
    for (const ShellItem& item : SelectedItems()) m_reselect.push_back(item.path);
    Fill(m_files->Folder().Path());
}

void CPcFilePane::OnFilled(bool ok) {
    List()->viewport()->unsetCursor();
    const QStringList reselect = std::exchange(m_reselect, {});
    if (!ok) return;
    const QString folder = m_files->Folder().Path();
    m_shellFolders = m_files->Folder().ToHex();
    QItemSelectionModel* selection = List()->selectionModel();
    for (const QString& path : reselect) {
        const int row = m_files->RowOf(path);
        if (row < 0) continue;
        selection->select(m_files->index(row, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (TreeFolder() != folder) m_folders->Reveal(folder);
    Q_EMIT folderShown(folder);
}

void CPcFilePane::OnRevealed(const QModelIndex& index, bool exact) {
    // Only the folder itself is selected: an ancestor would not match what the list shows.
    if (!exact || !index.isValid()) return;
    CSkinTree* tree = Tree();
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) {
        tree->expand(parent);
    }
    tree->setCurrentIndex(index);
    tree->scrollTo(index);
}

void CPcFilePane::OnTreeSelection() {
    const QString folder = TreeFolder();
    if (folder.isEmpty() || folder == m_files->Folder().Path()) return;
    Fill(folder);
}

void CPcFilePane::OnListActivated(const QModelIndex& index) {
    if (!index.isValid()) return;
    const ShellItem& item = m_files->Item(index.row());
    if (item.isFolder) Fill(item.path);
}

std::vector<ShellItem> CPcFilePane::SelectedItems() const {
    QModelIndexList rows = List()->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<ShellItem> items;
    for (const QModelIndex& row : rows) items.push_back(m_files->Item(row.row()));
    return items;
}

QString CPcFilePane::TreeFolder() const {
    const QModelIndexList selected = Tree()->selectionModel()->selectedIndexes();
    const ShellItem* item = selected.isEmpty() ? nullptr : m_folders->Item(selected.front());
    return item ? item->path : QString();
}
