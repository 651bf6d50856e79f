#include <mydb/view/MyDbTableModel.h>

#include <shell/gui/TextAdapter.h>
#include <ui/SkinRoles.h>

MyDbTableModel::MyDbTableModel(const CMyDbData& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store), m_grid(store), m_items(m_grid.ItemCount()) {}

QStringList MyDbTableModel::Captions() {
    return {QStringLiteral("コマンド "),     QStringLiteral("№ "),
            QStringLiteral("タイトル "),     QStringLiteral("タイトルよみ "),
            QStringLiteral("アーティスト "), QStringLiteral("ジャンル "),
            QStringLiteral("発売年 "),       QStringLiteral("アーティストよみ "),
            QStringLiteral("候補タイトル ")};
}

void MyDbTableModel::Rebuild() {
    const int items = m_grid.ItemCount();
    if (items > m_items) {
        beginInsertRows(QModelIndex(), m_items, items - 1);
        m_items = items;
        endInsertRows();
    } else if (items < m_items) {
        beginRemoveRows(QModelIndex(), items, m_items - 1);
        m_items = items;
        endRemoveRows();
    }
    if (m_items > 0) {
        Q_EMIT dataChanged(index(0, 0), index(m_items - 1, MyDbGrid::kColumnCount - 1),
                           {Qt::DisplayRole, Qt::EditRole});
    }
}

void MyDbTableModel::Reset() {
    beginResetModel();
    m_items = m_grid.ItemCount();
    endResetModel();
}

int MyDbTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_items;
}

int MyDbTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : MyDbGrid::kColumnCount;
}

QVariant MyDbTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == ui::role::kItemData && index.column() == 0) return ItemData(index.row());
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    MyDbRow row;
    if (!m_store.GetRow(m_grid.ItemRow(index.row()), row)) return QString();
    return fromCp932(MyDbGrid::CellText(row, index.column()));
}

QVariant MyDbTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= MyDbGrid::kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) return Captions().at(section);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags MyDbTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (m_grid.MayEdit(index.row(), index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}
