#pragma once
// myDB rows for tests, written with UTF-8 texts.
#include <mydb/MyDbRow.h>
#include <platform/Cp932.h>

#include <string>
#include <vector>

namespace testrows {

inline std::string cp(const std::string& utf8) {
    return platform::utf8ToCp932(utf8).value();
}

// A row from UTF-8 texts in field order; missing fields are empty.
inline MyDbRow makeRow(const std::vector<std::string>& fields) {
    MyDbRow row = mydb::blankRow();
    for (std::size_t f = 0; f < fields.size(); ++f)
        mydb::setField(row, static_cast<MyDbField>(f), cp(fields[f]));
    return row;
}

}  // namespace testrows
