#pragma once
// Tag text as the unit's records hold it: code page 932. Also undoes the commonest damage in
// Japanese MP3 tags: Shift_JIS bytes stored in ID3 frames that claim to be Latin-1, which
// FFmpeg hands over as Latin-1 mojibake.
#include <string>
#include <string_view>

namespace soundkit {

class TagText {
public:
    // UTF-8 tag text -> CP932 (untrimmed). Characters CP932 cannot hold become '?'. Text that
    // came from a Latin-1 field (`fromLatin1`) is first tried as hidden Shift_JIS.
    static std::string toCp932(std::string_view utf8, bool fromLatin1);

    // The CP932 bytes hidden in Latin-1 mojibake: when every character of `utf8` is in
    // U+0000..U+00FF and those bytes form valid CP932 text with at least one double-byte
    // character, those bytes; otherwise empty.
    static std::string recoverCp932(std::string_view utf8);

    // The title a file without one gets: its name between the last '/' and the last '.',
    // in CP932. Empty when the name has no extension or is empty.
    static std::string titleFromPath(std::string_view path);

private:
    // Valid CP932 with at least one double-byte character.
    static bool isShiftJisText(std::string_view bytes);
    static bool isUtf8(std::string_view text);
    // UTF-8 -> CP932, '?' for what CP932 cannot hold.
    static std::string convert(std::string_view utf8);
};

}  // namespace soundkit
