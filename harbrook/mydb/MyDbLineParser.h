#pragma once
// Reads one line of a myDB text file into a row. Field content the text library refuses is left
// empty; only a line that is not a myDB line at all is refused.
#include <mydb/MyDbRow.h>

#include <string_view>

class MyDbLineParser {
public:
    // Fills `row` from `line` (without its line end). False when the line starts with an unknown
    // command while some column is non-empty: the file is not a myDB file.
    static bool Parse(std::string_view line, MyDbRow& row);
};
