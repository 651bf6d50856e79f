// Any bytes through the legacy tag text path: as text fields straight into the charset decision,
// and as an ID3v2 or ID3v1 tag through our ID3 reader. Whatever is decided, every field comes
// out as valid code page 932 that fits the record's 32 bytes, and a Latin-1 reading keeps one
// character per byte.
#include "Id3Tags.h"
#include "TagCharset.h"
#include "TagText.h"

#include <platform/Cp932.h>

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using soundkit::LegacyEncoding;
using soundkit::LegacyText;

void require(bool condition) {
    if (!condition) std::abort();
}

std::size_t cp932Characters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count)
        if (platform::isCp932LeadByte(static_cast<unsigned char>(text[i]))) ++i;
    return count;
}

void checkFields(const std::vector<LegacyText>& texts) {
    LegacyEncoding encoding = soundkit::TagCharset::decide(texts);
    for (const LegacyText& text : texts) {
        std::string cp932 = soundkit::TagText::fromLegacy(text, encoding);
        require(platform::cp932ToUtf8(cp932).has_value());
        if (encoding == LegacyEncoding::Latin1)
            require(cp932Characters(cp932) == text.bytes.size());
        char field[33];
        platform::copyCp932Field(field, sizeof field, cp932);
        std::string_view stored = platform::fieldText(field, sizeof field);
        require(stored.size() <= 32 && platform::cp932ToUtf8(stored).has_value());
    }
}

// Fields separated by NUL bytes (which tag text never holds); a field starting with 0x01 is
// marked as cut at the end of a full ID3v1 field.
std::vector<LegacyText> splitFields(const std::string& data) {
    std::vector<LegacyText> texts;
    std::size_t start = 0;
    while (start <= data.size() && texts.size() < 5) {
        std::size_t end = std::min(data.find('\0', start), data.size());
        LegacyText text{data.substr(start, end - start), false};
        if (!text.bytes.empty() && text.bytes[0] == '\x01') {
            text.bytes.erase(0, 1);
            text.cut = true;
        }
        texts.push_back(text);
        start = end + 1;
    }
    return texts;
}

// A temporary file for the tag, removed at exit.
const std::string& tagFile() {
    struct File {
        std::string path;
        File() {
            const char* tmp = std::getenv("TMPDIR");
            path = std::string(tmp && *tmp ? tmp : "/tmp") + "/tagcharset-fuzz-XXXXXX";
            int fd = ::mkstemp(path.data());
            if (fd < 0) std::abort();
            ::close(fd);
        }
        ~File() { std::remove(path.c_str()); }
    };
    static const File file;
    return file.path;
}

void checkTag(const std::string& bytes) {
    std::FILE* f = std::fopen(tagFile().c_str(), "wb");
    if (!f) std::abort();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        std::abort();
    std::fclose(f);
    checkFields(soundkit::Id3Tags::read(tagFile()).legacyTexts());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    checkFields(splitFields(bytes));
    // The first byte chooses where the rest goes: after "ID3" (version, flags, size, frames),
    // or into an ID3v1 tag at the end of the file.
    if (size > 0 && data[0] % 2 == 0) checkTag("ID3" + bytes.substr(1));
    if (size > 0 && data[0] % 2 == 1) {
        std::string v1 = bytes.substr(1, 125);
        v1.resize(125, '\0');
        checkTag(bytes.substr(1) + "TAG" + v1);
    }
    return 0;
}
