#pragma once
// Writes one row as a line of the myDB text file: TAB-separated code page 932 columns ended by
// CR LF. Track lines end after the genre column; blank rows are empty lines.
#include <mydb/MyDbRow.h>

#include <string>

class MyDbLineWriter {
public:
    static void Append(const MyDbRow& row, std::string& out);
};
