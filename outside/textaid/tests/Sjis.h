#pragma once
// UTF-8 test text as the CP932 bytes the library works on.
#include <platform/Cp932.h>

#include <stdexcept>
#include <string>
#include <vector>

inline std::string sj(const std::string& utf8) {
    auto bytes = platform::utf8ToCp932(utf8);
    if (!bytes) throw std::invalid_argument("not CP932: " + utf8);
    return *bytes;
}

// A heap buffer holding exactly the text and its NUL, so that reading past it is caught by ASan.
inline std::vector<char> exactBuffer(const std::string& bytes) {
    std::vector<char> buffer(bytes.begin(), bytes.end());
    buffer.push_back('\0');
    return buffer;
}
