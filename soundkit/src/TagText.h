#pragma once
// Tag text as the unit's records hold it: code page 932. Characters CP932 cannot hold become
// '?' one for one, so no letter is lost and the text keeps its length in characters.
#include "TagCharset.h"

#include <string>
#include <string_view>

namespace soundkit {

class TagText {
public:
    // UTF-8 tag text -> CP932 (untrimmed). Malformed bytes become '?' as well.
    static std::string fromUtf8(std::string_view utf8);

    // A legacy field's bytes -> CP932, read as `encoding` (the decision over the file's legacy
    // fields). Undecided files keep the long-standing rule: Shift_JIS when the bytes are valid
    // Shift_JIS with a double-byte character, Latin-1 otherwise.
    static std::string fromLegacy(const LegacyText& text, LegacyEncoding encoding);

    // The title a file without one gets: its name between the last '/' and the last '.',
    // in CP932. Empty when the name has no extension or is empty.
    static std::string titleFromPath(std::string_view path);

private:
    // Latin-1 (C1 bytes read as Windows-1252 punctuation) -> CP932.
    static std::string fromLatin1(std::string_view bytes);
    // True when `bytes` are valid CP932 text, holding a double-byte character if `needDoubleByte`.
    static bool isShiftJis(std::string_view bytes, bool needDoubleByte);
};

}  // namespace soundkit
