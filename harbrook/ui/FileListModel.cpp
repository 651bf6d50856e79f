#include <ui/FileListModel.h>

#include <ui/ShellFolders.h>
#include <ui/ShellIcons.h>

#include <QDateTime>
#include <QHash>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

FileListModel::~FileListModel() = default;

void FileListModel::Fill(const QString& folder) {
    const QString path = CItemIdList(folder).Path();
    const std::uint64_t generation = ++m_generation;
    const int column = m_sortColumn;
    m_filling = true;
    m_queue.CancelAll();
    m_queue.Post([this, path, generation, column](std::stop_token stop) {
        std::vector<ShellItem> items;
        const int count = CShellFolders().EnumFiles(path, items, column, stop);
        if (stop.stop_requested()) return;
        QMetaObject::invokeMethod(
            this,
            [this, path, generation, column, count, found = std::move(items)]() mutable {
                Apply(path, std::move(found), count >= 0, generation, column);
            },
            Qt::QueuedConnection);
    });
}

void FileListModel::Refresh() {
    if (!m_folder.IsEmpty()) Fill(m_folder.Path());
}

void FileListModel::SetNotifyTarget(platform::MessageTarget* target) {
    m_notifyTarget = target;
    if (m_folder.IsEmpty()) return;
    if (target) {
        m_folder.RegisterNotify(target);
    } else {
        m_folder.DropNotify();
    }
}

void FileListModel::Apply(const QString& folder, std::vector<ShellItem> items, bool ok,
                          std::uint64_t generation, int sortedBy) {
    if (generation != m_generation) return;  // a newer fill is under way
    m_filling = false;
    if (!ok) items.clear();
    // The order may have been changed while the folder was read.
    if (sortedBy != m_sortColumn) CShellFolders::Sort(items, m_sortColumn);
    if (m_sortOrder == Qt::DescendingOrder) std::reverse(items.begin(), items.end());
    beginResetModel();
    m_items = std::move(items);
    endResetModel();
    if (ok) {
        m_folder = CItemIdList(folder);
        if (m_notifyTarget) m_folder.RegisterNotify(m_notifyTarget);
    }
    Q_EMIT filled(ok);
}

int FileListModel::RowOf(const QString& path) const {
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [&path](const ShellItem& item) { return item.path == path; });
    return found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
}

QString FileListModel::SizeText(qint64 bytes) {
    const auto size = static_cast<quint64>(std::max<qint64>(bytes, 0));
    return QString::number(size / 1024 + (size % 1024 != 0 ? 1 : 0)) + QStringLiteral(" KB");
}

QString FileListModel::TimeText(qint64 modifiedNs) {
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(modifiedNs / 1000000, Qt::LocalTime);
    const QDate date = time.date();
    const QTime clock = time.time();
    return QString::asprintf("%4u/%02u/%02u %u:%02u", static_cast<unsigned>(date.year()),
                             static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                             static_cast<unsigned>(clock.hour()),
                             static_cast<unsigned>(clock.minute()));
}

QString FileListModel::Title(int column) {
    switch (column) {
        case kName:
            return QStringLiteral("名前 ");
        case kSize:
            return QStringLiteral("サイズ ");
        case kType:
            return QStringLiteral("ファイルの種類 ");
        case kModified:
            return QStringLiteral("更新日時 ");
        default:
            return {};
    }
}

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    ShellItem& item = m_items[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            if (index.column() == kSize || index.column() == kModified) {
                CShellFolders::ReadDetails(item);
            }
            switch (index.column()) {
                case kName:
                    return item.name;
                case kSize:
                    return item.isFolder ? QString() : SizeText(item.size);
                case kType:
                    return item.typeName;
                case kModified:
                    return item.isFolder ? QString() : TimeText(item.modifiedNs);
                default:
                    return {};
            }
        case Qt::DecorationRole:
            return index.column() == kName ? QVariant(ShellIcons::For(item)) : QVariant();
        case Qt::TextAlignmentRole:
            if (index.column() == kSize) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
            return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case kPathRole:
            return item.path;
        case kIsFolderRole:
            return item.isFolder;
        default:
            return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return Title(section);
    if (role == Qt::TextAlignmentRole) {
        return QVariant(section == kSize ? Qt::AlignRight | Qt::AlignVCenter
                                         : Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void FileListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumnCount) return;
    if (column == m_sortColumn && order == m_sortOrder) return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QStringList paths;
    for (const QModelIndex& index : before) paths.push_back(Item(index.row()).path);
    m_sortColumn = column;
    m_sortOrder = order;
    CShellFolders::Sort(m_items, m_sortColumn);
    if (m_sortOrder == Qt::DescendingOrder) std::reverse(m_items.begin(), m_items.end());
    QHash<QString, int> rows;
    rows.reserve(static_cast<qsizetype>(m_items.size()));
    for (std::size_t row = 0; row < m_items.size(); ++row) {
        rows.insert(m_items[row].path, static_cast<int>(row));
    }
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        after.push_back(this->index(rows.value(paths[i], -1), before[i].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QStringList FileListModel::mimeTypes() const {
    return {QStringLiteral("text/uri-list")};
}

QMimeData* FileListModel::mimeData(const QModelIndexList& indexes) const {
    QList<QUrl> urls;
    QList<int> rows;
    for (const QModelIndex& index : indexes) {
        if (!index.isValid() || rows.contains(index.row())) continue;
        rows.push_back(index.row());
        urls.push_back(QUrl::fromLocalFile(Item(index.row()).path));
    }
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}
