#include <mydb/MyDbGrid.h>

namespace {

constexpr int kLastTrackColumn = static_cast<int>(MyDbField::Genre);

}  // namespace

int MyDbGrid::ItemCount() const {
    const int rows = m_store.GetRowCount();
    return rows < CMyDbData::kMaxRows ? rows + 1 : rows;
}

int MyDbGrid::ItemRow(int item) const {
    return item >= 0 && item < m_store.GetRowCount() ? item : kNewRowItem;
}

bool MyDbGrid::HasColumn(MyDbRowKind kind, int column) {
    if (column < 0 || column >= kColumnCount) return false;
    switch (kind) {
        case MyDbRowKind::Blank:
            return column == 0;
        case MyDbRowKind::Playlist:
            return true;
        default:
            return column <= kLastTrackColumn;
    }
}

std::string_view MyDbGrid::CellText(const MyDbRow& row, int column) {
    if (!HasColumn(mydb::rowKind(row), column)) return {};
    return mydb::fieldText(row, static_cast<MyDbField>(column));
}

bool MyDbGrid::MayEdit(const MyDbRow* row, int column) {
    if (column < 0 || column >= kColumnCount) return false;
    return !row || HasColumn(mydb::rowKind(*row), column);
}

bool MyDbGrid::MayEdit(int item, int column) const {
    if (item < 0 || item >= ItemCount()) return false;
    MyDbRow row;
    return MayEdit(m_store.GetRow(ItemRow(item), row) ? &row : nullptr, column);
}
