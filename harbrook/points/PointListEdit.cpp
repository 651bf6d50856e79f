#include <points/PointListEdit.h>

#include <points/CPointData.h>
#include <points/PointTextRules.h>

#include <platform/Cp932.h>

#include <memory>

namespace points {
namespace {

constexpr int kLastUserGroup = 10;

// Replaces one field of the slot's point through `change`; false when the slot holds no listed
// point or the store refuses.
template <class Change>
bool changePoint(CPointData& store, int slot, Change change) {
    auto entry = std::make_unique<PointEntry>();
    if (store.GetPoint(slot, entry.get()) != 2) return false;
    change(*entry);
    return store.PutPoint(slot, entry.get());
}

}  // namespace

bool PrepareListText(int column, std::string& text) {
    switch (column) {
        case kColumnName:
            return NameAdmitted(text);
        case kColumnReading:
            ReadingToKatakana(text);
            return ReadingAdmitted(text);
        case kColumnTelephone:
            return TelephoneAdmitted(text);
        default:
            return false;
    }
}

bool StoreListText(CPointData& store, int slot, int column, const std::string& text) {
    if (column != kColumnName && column != kColumnReading && column != kColumnTelephone) {
        return false;
    }
    return changePoint(store, slot, [&](PointEntry& entry) {
        if (column == kColumnName) {
            platform::copyCp932Field(entry.name, kMaxNameTextBytes + 1, text);
        } else if (column == kColumnReading) {
            platform::copyCp932Field(entry.reading, kMaxReadingTextBytes + 1, text);
        } else {
            platform::copyCp932Field(entry.telephone, kMaxTelephoneTextBytes + 1, text);
        }
    });
}

bool StoreListGroup(CPointData& store, int slot, int group) {
    if (group < 0 || group > kLastUserGroup) return false;
    return changePoint(store, slot, [group](PointEntry& entry) {
        entry.group = static_cast<std::int16_t>(group);
    });
}

}  // namespace points
