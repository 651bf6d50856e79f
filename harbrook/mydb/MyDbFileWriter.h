#pragma once
// Writes rows as a myDB text file. The previous file is replaced only once the new one is
// complete on disk.
#include <mydb/MyDbRow.h>

#include <string>
#include <vector>

class MyDbFileWriter {
public:
    // The file's bytes for `rows`.
    static std::string Format(const std::vector<MyDbRow>& rows);
    // False when the file cannot be created, written or put in place.
    static bool Write(const std::string& path, const std::vector<MyDbRow>& rows);
};
