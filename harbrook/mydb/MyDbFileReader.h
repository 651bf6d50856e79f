#pragma once
// Reads a whole myDB text file into rows. Lines may end in CR LF, LF or a lone CR; the text after
// the last line end is a line only when it is not empty, and a Ctrl-Z ends the file as text-mode
// reading on the unit's home platform does. Only regular files of code page 932 text are read.
#include <mydb/MyDbLineParser.h>
#include <mydb/MyDbRow.h>

#include <string>
#include <vector>

class MyDbFileReader {
public:
    // A file larger than this holds no myDB database (10000 rows of a few hundred bytes).
    static constexpr std::size_t kMaxFileBytes = 64u << 20;

    struct Result {
        // 0, or the failure's result code: 2 when the file cannot be opened or is no regular
        // file, 14 past 10000 lines, 16 for a line that is not a myDB line or a file past
        // kMaxFileBytes, 18 for text that is not code page 932, 1, 2 or 9 for a read error.
        int code = 0;
        int line = 0;  // for code 18: the first line that is not code page 932
        std::vector<MyDbRow> rows;
        std::vector<MyDbEmptiedField> emptied;
    };

    static Result Read(const std::string& path);
};
