#pragma once
// How a cell of a skinned list or the label of a skinned tree is edited in place.
#include <QStringList>

namespace ui {

struct CellEditor {
    enum class Kind {
        kNone,       // not editable
        kText,       // a line of text
        kNumber,     // digits only
        kTelephone,  // digits and dialling signs, typed without an input method
        kDropDown,   // one of a fixed list of choices
    };

    Kind kind = Kind::kNone;
    int maxLength = 0;    // characters; 0 for no limit (text kinds)
    QStringList choices;  // kDropDown: the entries in order

    static CellEditor Text(int maxLength = 0) { return {Kind::kText, maxLength, {}}; }
    static CellEditor Number(int maxLength = 0) { return {Kind::kNumber, maxLength, {}}; }
    static CellEditor Telephone(int maxLength = 0) { return {Kind::kTelephone, maxLength, {}}; }
    static CellEditor DropDown(QStringList choices) {
        return {Kind::kDropDown, 0, std::move(choices)};
    }
};

}  // namespace ui
