#pragma once
// Which encoding the text of a file's legacy tag fields is in. ID3v2 frames that declare
// Latin-1 and every ID3v1 field hold whatever bytes the tagger used: Shift_JIS in most Japanese
// collections, UTF-8 from careless taggers, Latin-1 (or its Windows superset) for European
// names. One tagger wrote all fields of a tag, so they are decided together: more text, fewer
// wrong guesses.
#include <span>
#include <string>
#include <string_view>

namespace soundkit {

struct LegacyText {
    std::string bytes;
    // The text filled a fixed-size field, so its last character may have been cut short.
    bool cut = false;
};

enum class LegacyEncoding {
    Ascii,  // nothing to decide
    Utf8,
    ShiftJis,   // code page 932
    Latin1,     // ISO 8859-1 with the Windows-1252 punctuation
    Undecided,  // both readings stay plausible
};

class TagCharset {
public:
    static LegacyEncoding decide(std::span<const LegacyText> texts);

    // The bytes of `text` that form whole characters in `encoding`: without a multi-byte
    // character cut short at the end of a full field.
    static std::string_view wholeCharacters(const LegacyText& text, LegacyEncoding encoding);

    // Length of the valid UTF-8 sequence at `at` (1 for ASCII), 0 when it is malformed,
    // overlong, a surrogate or runs past the end.
    static std::size_t utf8SequenceLength(std::string_view s, std::size_t at);
};

}  // namespace soundkit
