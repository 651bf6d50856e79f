#pragma once
// How the editor's grid shows the myDB store: one item per row in row order and, while the store
// has room for another row, the new-row item at the end. Columns are the nine fields in order.
#include <mydb/MyDbData.h>

#include <string_view>

class MyDbGrid {
public:
    // Item data of the new-row item (a row item's item data is its row index).
    static constexpr int kNewRowItem = -1;
    static constexpr int kColumnCount = kMyDbFieldCount;

    explicit MyDbGrid(const CMyDbData& store) : m_store(store) {}

    // Rows, plus the new-row item unless the store is full.
    int ItemCount() const;
    // The row an item shows, or kNewRowItem for the new-row item (and for items out of range).
    int ItemRow(int item) const;

    // What a cell shows: the command always; a blank row nothing else; a track row nothing in the
    // columns it does not have.
    static std::string_view CellText(const MyDbRow& row, int column);
    // Whether a cell may be edited: every cell of the new-row item and of a playlist row, the
    // command of a blank row, and columns 0 to 5 of a track row.
    static bool MayEdit(const MyDbRow* row, int column);
    bool MayEdit(int item, int column) const;

private:
    // Columns a row of this kind shows and edits: 0 for a blank row, 0 to 5 for a track row.
    static bool HasColumn(MyDbRowKind kind, int column);

    const CMyDbData& m_store;
};
