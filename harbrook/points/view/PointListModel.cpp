#include <points/view/PointListModel.h>

#include <points/CPointData.h>
#include <points/PointListEdit.h>

#include <outside/Textaid.h>
#include <platform/Cp932.h>
#include <shell/gui/TextAdapter.h>
#include <ui/SkinContext.h>
#include <ui/SkinIds.h>
#include <ui/SkinImage.h>
#include <ui/SkinRoles.h>

#include <QBitmap>

#include <memory>

namespace {

constexpr int kIconWidth = 33;
constexpr int kIconHeight = 13;
const QColor kIconMask(255, 0, 255);

const char* const kTitles[points::kPointColumnCount] = {"", "地点名称 ", "ヨミ ", "電話番号 ",
                                                        "グループ "};

// A name or reading as the unit keeps it, converted for display.
QString displayed(const char* field, std::size_t size) {
    char buffer[points::kNameBytes] = {};
    platform::copyCp932Field(buffer, sizeof buffer, platform::fieldText(field, size));
    CTextaid::ConvNaviToPcString(buffer, 1);
    return fromCp932(buffer);
}

}  // namespace

PointListModel::PointListModel(points::CPointData& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {
    LoadIcons();
}

void PointListModel::LoadIcons() {
    CSkinImage strip;
    if (!strip.Load(ui::image::kPointStateIcons)) return;
    for (int i = 0; i < 4; ++i) {
        const QImage icon = strip.Image().copy(i * kIconWidth, 0, kIconWidth, kIconHeight);
        QPixmap pixmap = QPixmap::fromImage(icon);
        pixmap.setMask(QBitmap::fromImage(icon.createMaskFromColor(kIconMask.rgb())));
        m_icons[static_cast<std::size_t>(i)] = pixmap;
    }
}

const QPixmap& PointListModel::StateIcon(int state) const {
    return m_icons[static_cast<std::size_t>(state >= 1 && state <= 3 ? state : 0)];
}

PointListModel::Shown PointListModel::ReadRow(int slot) const {
    auto entry = std::make_unique<points::PointEntry>();
    Shown row;
    row.slot = slot;
    if (m_store.GetPoint(slot, entry.get()) != 2) return row;
    row.state = entry->state;
    row.texts[0] = displayed(entry->name, sizeof entry->name);
    row.texts[1] = displayed(entry->reading, sizeof entry->reading);
    row.texts[2] = fromCp932(platform::fieldText(entry->telephone, sizeof entry->telephone));
    if (entry->group >= 0 && entry->group < m_groupNames.size())
        row.texts[3] = m_groupNames[entry->group];
    return row;
}

void PointListModel::Update() {
    m_rows.Fill(m_store);
    m_rows.DropUnlisted(m_store);
    m_groupNames.clear();
    for (int group = 0; group <= 10; ++group) {
        char name[points::CPointData::kGroupNameBytes] = {};
        m_store.GetGroupName(group, name);
        m_groupNames.append(fromCp932(name));
    }

    const int count = m_rows.Size();
    const int shown = static_cast<int>(m_shown.size());
    int firstChanged = -1, lastChanged = -1;
    for (int row = 0; row < std::min(count, shown); ++row) {
        Shown fresh = ReadRow(m_rows.SlotAt(row));
        if (fresh == m_shown[static_cast<std::size_t>(row)]) continue;
        m_shown[static_cast<std::size_t>(row)] = std::move(fresh);
        if (firstChanged < 0) firstChanged = row;
        lastChanged = row;
    }
    if (firstChanged >= 0) {
        Q_EMIT dataChanged(index(firstChanged, 0),
                           index(lastChanged, points::kPointColumnCount - 1));
    }
    if (count < shown) {
        beginRemoveRows(QModelIndex(), count, shown - 1);
        m_shown.resize(static_cast<std::size_t>(count));
        endRemoveRows();
    } else if (count > shown) {
        beginInsertRows(QModelIndex(), shown, count - 1);
        for (int row = shown; row < count; ++row) m_shown.push_back(ReadRow(m_rows.SlotAt(row)));
        endInsertRows();
    }
    Q_EMIT updated();
}

void PointListModel::ClearRows() {
    m_rows.Clear();
}

void PointListModel::AppendSlot(int slot) {
    m_rows.Append(slot);
    Update();
}

void PointListModel::InsertSlot(int row, int slot) {
    row = std::clamp(row, 0, static_cast<int>(m_shown.size()));
    beginInsertRows(QModelIndex(), row, row);
    m_rows.Insert(row, slot);
    m_shown.insert(m_shown.begin() + row, ReadRow(slot));
    endInsertRows();
    Update();
}

void PointListModel::RemoveRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_shown.size())) return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.RemoveRow(row);
    m_shown.erase(m_shown.begin() + row);
    endRemoveRows();
    Update();
}

bool PointListModel::SetGroup(int row, int group) {
    if (!points::StoreListGroup(m_store, SlotAt(row), group)) return false;
    Update();
    return true;
}

int PointListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int PointListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : points::kPointColumnCount;
}

QVariant PointListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(m_shown.size())) return {};
    const Shown& row = m_shown[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return column == points::kColumnState
                       ? QVariant(QString())
                       : QVariant(row.texts[static_cast<std::size_t>(column - 1)]);
        case Qt::DecorationRole:
            if (column == points::kColumnState) return StateIcon(row.state);
            return {};
        case kSlotRole:
            return row.slot;
        case kStateRole:
            return row.state;
        default:
            return {};
    }
}

QVariant PointListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= points::kPointColumnCount) {
        return {};
    }
    return QString::fromUtf8(kTitles[section]);
}

Qt::ItemFlags PointListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != points::kColumnState) flags |= Qt::ItemIsEditable;
    return flags;
}

bool PointListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) return false;
    const int column = index.column();
    if (column < points::kColumnName || column > points::kColumnTelephone) return false;
    bool ok = true;
    std::string text = toCp932(value.toString(), &ok);
    if (!ok || !points::PrepareListText(column, text)) return false;
    if (!points::StoreListText(m_store, SlotAt(index.row()), column, text)) return false;
    Update();
    return true;
}
