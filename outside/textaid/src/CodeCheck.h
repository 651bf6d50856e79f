#pragma once
// The character check behind CTextaid::CheckCode.
namespace textaid {

struct CheckOptions {
    bool halfKana = false;  // admit half-width katakana
    bool oneLine = false;   // refuse line breaks
    bool value = false;     // one line, and refuse a text made only of spaces
};

// 0 when admitted, else 1 + byte offset of the first refused character (see CTextaid).
int checkCode(const char* text, unsigned selector, CheckOptions options);

}  // namespace textaid
