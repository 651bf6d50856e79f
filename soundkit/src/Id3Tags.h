#pragma once
// The text fields of an MP3 file's ID3 tags as the file stores them, before any conversion:
// the leading ID3v2 tag, or the trailing ID3v1 tag when there is no ID3v2 tag or it holds no
// text (as FFmpeg chooses). A leading tag we cannot read yields no fields, leaving the text to
// FFmpeg. Untrusted input: every size is checked against the tag and the file.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TagCharset.h"

namespace soundkit {

enum class Id3Field { Title, Artist, Album, Genre, Comment };

class Id3Tags {
public:
    static constexpr std::uint8_t kLatin1 = 0;
    static constexpr std::uint8_t kUtf8 = 3;

    // One text field: the encoding its frame declares (ID3v1 fields count as Latin-1) and its
    // bytes up to the first terminator.
    struct Text {
        std::uint8_t encoding = kLatin1;
        LegacyText text;
    };

    static Id3Tags read(const std::string& path);
    // Bytes taken by the ID3v2 tag (header, body and footer) that `header` (the file's first
    // 10 bytes) starts, 0 when it starts none.
    static std::uint64_t v2TagLength(const unsigned char* header, std::size_t size);

    const std::optional<Text>& field(Id3Field f) const {
        return m_fields[static_cast<std::size_t>(f)];
    }
    // The fields whose encoding byte does not say what their bytes are: Latin-1 frames and
    // every ID3v1 field, the input of the charset decision.
    std::vector<LegacyText> legacyTexts() const;
    // The field's text when it is a legacy one.
    const LegacyText* legacy(Id3Field f) const;

private:
    enum class V2 { Absent, Read, Unreadable };
    V2 readV2(std::FILE* file, std::uint64_t fileSize);
    void readV2Frame(const std::string& id, std::string body);
    void readV1(std::FILE* file, std::uint64_t fileSize);

    std::array<std::optional<Text>, 5> m_fields;
    bool m_v2HasText = false;
};

}  // namespace soundkit
