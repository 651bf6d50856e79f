#pragma once
// In-place edits of the point list: the columns, the check of a typed text and the change it
// makes to the point in the store.
#include <string>

namespace points {

class CPointData;

// Columns of the point list.
enum PointListColumn : int {
    kColumnState = 0,
    kColumnName = 1,
    kColumnReading = 2,
    kColumnTelephone = 3,
    kColumnGroup = 4,
    kPointColumnCount = 5,
};

// Makes a typed text (CP932) ready for its text column: a reading's hiragana become katakana.
// False when the text holds a character the column does not admit (the edit is then refused).
bool PrepareListText(int column, std::string& text);

// Replaces the field of `column` (name, reading or telephone number, cut to the unit's byte limit
// on a character boundary) in the slot's point and puts the point back: it becomes state 3.
bool StoreListText(CPointData& store, int slot, int column, const std::string& text);
// Moves the slot's point to group 0 to 10.
bool StoreListGroup(CPointData& store, int slot, int group);

}  // namespace points
