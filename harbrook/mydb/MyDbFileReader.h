#pragma once
// Reads a whole myDB text file into rows. Lines may end in CR LF or LF; a last line without a line
// end still counts, and a Ctrl-Z ends the file as text-mode reading on the unit's home platform
// does.
#include <mydb/MyDbRow.h>

#include <string>
#include <vector>

class MyDbFileReader {
public:
    // Returns 0 with `rows` holding every line's row, or the failure's result code: 2 when the
    // file cannot be opened, 14 past 10000 lines, 16 for a line that is not a myDB line, 1, 2 or
    // 9 for a read error. `rows` is only written on success.
    static int Read(const std::string& path, std::vector<MyDbRow>& rows);
};
