#include <points/PointRowList.h>

#include <points/CPointData.h>

#include <algorithm>

namespace points {

int PointRowList::SlotAt(int row) const {
    return row >= 0 && row < Size() ? m_slots[row] : -1;
}

int PointRowList::RowOf(int slot) const {
    const auto found = std::find(m_slots.begin(), m_slots.end(), slot);
    return found == m_slots.end() ? -1 : static_cast<int>(found - m_slots.begin());
}

void PointRowList::Fill(const CPointData& store) {
    if (!Empty()) return;
    for (const bool onUnit : {true, false}) {
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (store.IsListed(slot) && (store.GetPointState(slot) == kStateOnUnit) == onUnit) {
                m_slots.push_back(slot);
            }
        }
    }
}

void PointRowList::Insert(int row, int slot) {
    row = std::clamp(row, 0, Size());
    m_slots.insert(m_slots.begin() + row, slot);
}

void PointRowList::RemoveRow(int row) {
    if (row >= 0 && row < Size()) m_slots.erase(m_slots.begin() + row);
}

void PointRowList::DropUnlisted(const CPointData& store) {
    std::erase_if(m_slots, [&store](int slot) { return !store.IsListed(slot); });
}

}  // namespace points
