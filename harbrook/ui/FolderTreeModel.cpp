#include <ui/FolderTreeModel.h>

#include <ui/ShellFolders.h>
#include <ui/ShellIcons.h>

#include <QMimeData>
#include <QSet>
#include <QUrl>

#include <algorithm>

struct FolderTreeModel::Node {
    ShellItem item;
    Node* parent = nullptr;
    int row = 0;  // among the parent's children
    std::uint64_t id = 0;
    std::vector<std::unique_ptr<Node>> children;
    bool placeholder = false;  // the empty child that stands for unread sub-folders
    bool read = false;         // children hold the folder's sub-folders
    bool reading = false;
    bool failed = false;  // the last read failed
    CItemIdList watch;    // the change-notice registration of a read folder

    void Renumber(std::size_t from) {
        for (std::size_t at = from; at < children.size(); ++at)
            children[at]->row = static_cast<int>(at);
    }
};

namespace {

bool holds(const QString& folder, const QString& path) {
    return path == folder || folder == QLatin1String("/") ||
           path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

FolderTreeModel::FolderTreeModel(QObject* parent, RootSource roots)
    : QAbstractItemModel(parent),
      m_rootSource(roots ? std::move(roots) : [] { return CShellFolders().Roots(); }),
      m_root(std::make_unique<Node>()) {
    m_root->read = true;
    Merge(m_root.get(), m_rootSource());
}

FolderTreeModel::~FolderTreeModel() {
    m_queue.CancelAll();
}

// --- Nodes ---------------------------------------------------------------------------------------

std::unique_ptr<FolderTreeModel::Node> FolderTreeModel::MakeNode(ShellItem item, Node* parent) {
    auto node = std::make_unique<Node>();
    node->item = std::move(item);
    node->parent = parent;
    node->id = m_nextId++;
    m_nodes.insert(node->id, node.get());
    if (node->item.hasSubFolders) node->children.push_back(MakePlaceholder(node.get()));
    return node;
}

std::unique_ptr<FolderTreeModel::Node> FolderTreeModel::MakePlaceholder(Node* parent) {
    auto placeholder = std::make_unique<Node>();
    placeholder->parent = parent;
    placeholder->placeholder = true;
    return placeholder;
}

void FolderTreeModel::Forget(Node* node) {
    m_nodes.remove(node->id);
    for (const auto& child : node->children) Forget(child.get());
}

FolderTreeModel::Node* FolderTreeModel::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex FolderTreeModel::IndexOfNode(const Node* node) const {
    if (!node || node == m_root.get()) return {};
    return createIndex(node->row, 0, const_cast<Node*>(node));
}

const ShellItem* FolderTreeModel::Item(const QModelIndex& index) const {
    const Node* node = NodeOf(index);
    return node == m_root.get() || node->placeholder ? nullptr : &node->item;
}

// --- Reading -------------------------------------------------------------------------------------

void FolderTreeModel::Expand(const QModelIndex& index) {
    Node* node = NodeOf(index);
    if (node == m_root.get() || node->placeholder || node->read || node->reading) return;
    Read(node);
}

void FolderTreeModel::Read(Node* node) {
    node->reading = true;
    ++m_reading;
    const std::uint64_t id = node->id;
    const QString path = node->item.path;
    m_queue.Post([this, id, path](std::stop_token stop) {
        std::vector<ShellItem> items;
        const int count = CShellFolders().EnumFolders(path, items, stop);
        if (stop.stop_requested()) return;
        QMetaObject::invokeMethod(
            this,
            [this, id, count, found = std::move(items)]() mutable {
                Apply(id, std::move(found), count >= 0);
            },
            Qt::QueuedConnection);
    });
}

void FolderTreeModel::Apply(std::uint64_t id, std::vector<ShellItem> items, bool ok) {
    --m_reading;
    Node* node = m_nodes.value(id);
    if (!node) return;  // removed while it was read
    node->reading = false;
    node->failed = !ok;
    if (ok) {
        Merge(node, std::move(items));
        node->read = true;
        node->watch = CItemIdList(node->item.path);
        if (m_notifyTarget) node->watch.RegisterNotify(m_notifyTarget);
    } else {
        node->read = false;
        node->item.hasSubFolders = false;
        Merge(node, {});
    }
    const QModelIndex index = IndexOfNode(node);
    Q_EMIT dataChanged(index, index);
    Q_EMIT folderRead(index, ok);
    if (!m_revealTarget.isEmpty()) ContinueReveal();
}

void FolderTreeModel::Merge(Node* node, std::vector<ShellItem> items) {
    const QModelIndex parentIndex = IndexOfNode(node);
    QSet<QString> wanted;
    for (const ShellItem& item : items) wanted.insert(item.path);
    auto& children = node->children;
    auto stale = [&](int row) {
        const Node* child = children[static_cast<std::size_t>(row)].get();
        return child->placeholder || !wanted.contains(child->item.path);
    };
    // Stale children go in runs, last first.
    for (int last = static_cast<int>(children.size()) - 1; last >= 0; --last) {
        if (!stale(last)) continue;
        int first = last;
        while (first > 0 && stale(first - 1)) --first;
        beginRemoveRows(parentIndex, first, last);
        for (int row = first; row <= last; ++row)
            Forget(children[static_cast<std::size_t>(row)].get());
        children.erase(children.begin() + first, children.begin() + last + 1);
        node->Renumber(static_cast<std::size_t>(first));
        endRemoveRows();
        last = first;
    }
    // The children that remain are in the order of `items` (both sorted alike): walk both and
    // insert the new items in runs.
    std::size_t at = 0;
    while (at < items.size()) {
        if (at < children.size() && children[at]->item.path == items[at].path) {
            Node* child = children[at].get();
            child->item = std::move(items[at]);
            if (!child->read) SetPlaceholder(child, child->item.hasSubFolders);
            const QModelIndex index = createIndex(static_cast<int>(at), 0, child);
            Q_EMIT dataChanged(index, index);
            ++at;
            continue;
        }
        std::size_t end = at + 1;
        if (at < children.size()) {
            while (end < items.size() && items[end].path != children[at]->item.path) ++end;
        } else {
            end = items.size();
        }
        beginInsertRows(parentIndex, static_cast<int>(at), static_cast<int>(end - 1));
        std::vector<std::unique_ptr<Node>> run;
        for (std::size_t k = at; k < end; ++k) run.push_back(MakeNode(std::move(items[k]), node));
        children.insert(children.begin() + static_cast<std::ptrdiff_t>(at),
                        std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
        node->Renumber(at);
        endInsertRows();
        at = end;
    }
}

void FolderTreeModel::SetPlaceholder(Node* node, bool wanted) {
    const bool present = !node->children.empty() && node->children.front()->placeholder;
    if (present == wanted) return;
    const QModelIndex index = IndexOfNode(node);
    if (wanted) {
        beginInsertRows(index, 0, 0);
        node->children.insert(node->children.begin(), MakePlaceholder(node));
        node->Renumber(0);
        endInsertRows();
    } else {
        beginRemoveRows(index, 0, 0);
        node->children.erase(node->children.begin());
        node->Renumber(0);
        endRemoveRows();
    }
}

void FolderTreeModel::Refresh() {
    Merge(m_root.get(), m_rootSource());
    std::vector<Node*> pending{m_root.get()};
    while (!pending.empty()) {
        Node* node = pending.back();
        pending.pop_back();
        for (const auto& child : node->children) {
            if (!child->read) continue;
            if (!child->reading) Read(child.get());
            pending.push_back(child.get());
        }
    }
}

// --- Finding and revealing -----------------------------------------------------------------------

const FolderTreeModel::Node* FolderTreeModel::Find(const Node* from, const QString& path) const {
    while (from->item.path != path) {
        const Node* next = nullptr;
        for (const auto& child : from->children) {
            if (!child->placeholder && holds(child->item.path, path)) {
                next = child.get();
                break;
            }
        }
        if (!next) return from;
        from = next;
    }
    return from;
}

const FolderTreeModel::Node* FolderTreeModel::DeepestRoot(const QString& path) const {
    const Node* best = nullptr;
    for (const auto& root : m_root->children) {
        if (holds(root->item.path, path) &&
            (!best || root->item.path.size() > best->item.path.size())) {
            best = root.get();
        }
    }
    return best;
}

QModelIndex FolderTreeModel::IndexOf(const QString& path) const {
    const Node* root = DeepestRoot(path);
    if (!root) return {};
    const Node* node = Find(root, path);
    return node->item.path == path ? IndexOfNode(node) : QModelIndex();
}

void FolderTreeModel::Reveal(const QString& path) {
    m_revealTarget = CItemIdList(path).Path();
    ContinueReveal();
}

void FolderTreeModel::ContinueReveal() {
    const Node* root = DeepestRoot(m_revealTarget);
    if (!root) return FinishReveal(nullptr, false);
    const Node* node = Find(root, m_revealTarget);
    if (node->item.path == m_revealTarget) return FinishReveal(node, true);
    if (node->reading) return;  // Apply continues
    if (node->read || node->failed || !node->item.hasSubFolders) return FinishReveal(node, false);
    Read(const_cast<Node*>(node));
}

void FolderTreeModel::FinishReveal(const Node* node, bool exact) {
    m_revealTarget.clear();
    Q_EMIT revealed(IndexOfNode(node), exact);
}

// --- Model ---------------------------------------------------------------------------------------

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size())) return {};
    return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid()) return {};
    return IndexOfNode(NodeOf(child)->parent);
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0) return 0;
    return static_cast<int>(NodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const {
    const ShellItem* item = Item(index);
    if (!item) return {};
    switch (role) {
        case Qt::DisplayRole:
            return item->name;
        case Qt::DecorationRole:
            return ShellIcons::For(*item);
        case Qt::ToolTipRole:
            return item->path;
        case kPathRole:
            return item->path;
        default:
            return {};
    }
}

Qt::ItemFlags FolderTreeModel::flags(const QModelIndex& index) const {
    if (!Item(index)) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList FolderTreeModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData* FolderTreeModel::mimeData(const QModelIndexList& indexes) const {
    QList<QUrl> urls;
    for (const QModelIndex& index : indexes) {
        if (const ShellItem* item = Item(index)) urls.push_back(QUrl::fromLocalFile(item->path));
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}
