#include "CodeCheck.h"

#include "CharClasses.h"
#include "Cp932Char.h"

#include <outside/Textaid.h>

#include <cstddef>

namespace textaid {

int checkCode(const char* text, unsigned selector, CheckOptions options) {
    if (text == nullptr) return -1;
    unsigned admitted = selector;
    if (options.halfKana) admitted |= CTextaid::kHalfWidthKana;
    bool lineBreaks = (selector & CTextaid::kAsciiText) != 0 && !options.oneLine && !options.value;

    const auto* start = reinterpret_cast<const unsigned char*>(text);
    bool onlySpaces = true;
    std::size_t offset = 0;
    while (start[offset] != 0) {
        Cp932Char c = Cp932Char::read(start + offset);
        int position = static_cast<int>(offset) + 1;
        if (!c.wellFormed()) return position;
        if (isLineBreak(c.code)) {
            if (!lineBreaks) return position;
        } else if ((classesOf(c.code) & admitted) == 0) {
            return position;
        }
        onlySpaces = onlySpaces && isSpace(c.code);
        offset += c.length;
    }
    if (options.value && offset > 0 && onlySpaces) return 1;
    return 0;
}

}  // namespace textaid
