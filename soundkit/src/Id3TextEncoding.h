#pragma once
// Which text encoding the title and artist frames of a file's leading ID3v2 tag declare. Only
// frames that declare Latin-1 can hide Shift_JIS bytes; Unicode frames are taken as they are.
#include <cstdint>
#include <optional>
#include <string>

namespace soundkit {

class Id3TextEncoding {
public:
    static constexpr std::uint8_t kLatin1 = 0;

    // Reads the frame headers of the ID3v2 tag at the start of `path` (the frames' text is
    // skipped, not read). Without a readable tag both encodings stay unknown.
    static Id3TextEncoding read(const std::string& path);

    // The encoding byte of the title (TIT2/TT2) and artist (TPE1/TP1) frames, when present.
    std::optional<std::uint8_t> title;
    std::optional<std::uint8_t> artist;

    // True unless the field's frame declares a Unicode encoding.
    static bool mayHoldShiftJis(const std::optional<std::uint8_t>& encoding) {
        return !encoding || *encoding == kLatin1;
    }
};

}  // namespace soundkit
