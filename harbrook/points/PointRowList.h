#pragma once
// The point view's rows: the slot shown by every list row, in row order. It is the view's only
// state about the points. An empty list is filled from the store (the unit's points first, then
// the PC's, each in slot order); points added later are appended (new registration) or inserted
// (paste), deleted points are removed.
#include <vector>

namespace points {

class CPointData;

class PointRowList {
public:
    bool Empty() const { return m_slots.empty(); }
    int Size() const { return static_cast<int>(m_slots.size()); }
    // The slot of `row`, or -1 outside the list.
    int SlotAt(int row) const;
    // The first row showing `slot`, or -1.
    int RowOf(int slot) const;
    const std::vector<int>& Slots() const { return m_slots; }

    void Clear() { m_slots.clear(); }
    // Fills an empty list from the store: every listed point in state 1 in slot order, then every
    // other listed point in slot order. A list that holds rows is left as it is.
    void Fill(const CPointData& store);
    void Append(int slot) { m_slots.push_back(slot); }
    // Inserts before `row`; a row beyond the end appends.
    void Insert(int row, int slot);
    void RemoveRow(int row);
    // Drops the rows whose slot the store no longer lists, so that row i of the list always shows
    // the point of SlotAt(i).
    void DropUnlisted(const CPointData& store);

private:
    std::vector<int> m_slots;
};

}  // namespace points
