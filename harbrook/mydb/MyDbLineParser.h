#pragma once
// Reads one line of a myDB text file into a row. Field content the text library refuses is left
// empty; only a line that is not a myDB line at all is refused.
#include <mydb/MyDbRow.h>

#include <string_view>
#include <vector>

// A column whose text the character rules refused, so that its field stayed empty.
struct MyDbEmptiedField {
    int line = 0;  // 1-based; set by the file reader
    MyDbField field = MyDbField::Command;
    int column = 0;  // counted from 0, as the file format numbers columns
};

class MyDbLineParser {
public:
    // Fills `row` from `line` (without its line end). False when the line starts with an unknown
    // command while some column is non-empty: the file is not a myDB file. `emptied`, when
    // given, receives the columns whose text was refused (columns the format ignores aside).
    static bool Parse(std::string_view line, MyDbRow& row,
                      std::vector<MyDbEmptiedField>* emptied = nullptr);
};
