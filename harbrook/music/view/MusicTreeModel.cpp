#include <music/view/MusicTreeModel.h>

#include <shell/gui/TextAdapter.h>
#include <songbase/Songbase.h>
#include <ui/SkinRoles.h>

#include <platform/Cp932.h>

namespace {

// Internal ids: 0 the root, list + 1 a playlist.
constexpr quintptr kRootId = 0;

}  // namespace

MusicTreeModel::MusicTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void MusicTreeModel::Refill() {
    beginResetModel();
    m_count = CSongbase::GetPlayListCount();
    endResetModel();
}

QModelIndex MusicTreeModel::PlayListIndex(int list) const {
    return list >= 0 && list < m_count ? index(list, 0, RootIndex()) : QModelIndex();
}

int MusicTreeModel::PlayListOf(const QModelIndex& index) {
    return index.isValid() && index.internalId() != kRootId
               ? static_cast<int>(index.internalId()) - 1
               : -1;
}

QModelIndex MusicTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0) return {};
    if (!parent.isValid()) return row == 0 ? createIndex(0, 0, kRootId) : QModelIndex();
    if (parent.internalId() != kRootId || row >= m_count) return {};
    return createIndex(row, 0, static_cast<quintptr>(row) + 1);
}

QModelIndex MusicTreeModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kRootId) return {};
    return RootIndex();
}

int MusicTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return 1;
    return parent.internalId() == kRootId ? m_count : 0;
}

int MusicTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant MusicTreeModel::data(const QModelIndex& index, int role) const {
    const int list = PlayListOf(index);
    if (role == ui::role::kItemData) return list < 0 ? QVariant() : QVariant((list << 16) | 0xFFFF);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (!index.isValid()) return {};
    if (list < 0) return QString::fromLatin1(kRootLabel);
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetPlayListInfo(list, &info) || !info) return QString();
    return fromCp932(platform::fieldText(info->title, sizeof info->title));
}

Qt::ItemFlags MusicTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (PlayListOf(index) >= 0) flags |= Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
    return flags;
}

bool MusicTreeModel::setData(const QModelIndex& index, const QVariant&, int role) {
    // The view's end-edit handler has stored the title; the label reads it from the store.
    if (role != Qt::EditRole || PlayListOf(index) < 0) return false;
    Q_EMIT dataChanged(index, index);
    return true;
}
