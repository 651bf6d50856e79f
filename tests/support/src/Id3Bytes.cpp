#include <testsupport/Id3Bytes.h>

namespace testsupport {
namespace {

std::string syncsafe(std::uint32_t n) {
    std::string s;
    for (int shift = 21; shift >= 0; shift -= 7) s += static_cast<char>((n >> shift) & 0x7F);
    return s;
}

std::string fixedField(const std::string& s, std::size_t n) {
    std::string f = s.substr(0, n);
    f.resize(n, '\0');
    return f;
}

}  // namespace

std::string id3v2Frame(const char* id, std::uint8_t encoding, const std::string& text) {
    std::string body = static_cast<char>(encoding) + text;
    std::string size;
    for (int shift = 24; shift >= 0; shift -= 8)
        size += static_cast<char>((body.size() >> shift) & 0xFF);
    return std::string(id, 4) + size + std::string(2, '\0') + body;
}

std::string id3v2Comment(std::uint8_t encoding, const std::string& text) {
    return id3v2Frame("COMM", encoding, std::string("jpn\0", 4) + text);
}

std::string id3v2Tag(const std::string& frames) {
    return std::string("ID3\x03\x00\x00", 6) + syncsafe(static_cast<std::uint32_t>(frames.size())) +
           frames;
}

std::string id3v1Tag(const std::string& title, const std::string& artist, int track,
                     const std::string& album, const std::string& comment) {
    return "TAG" + fixedField(title, 30) + fixedField(artist, 30) + fixedField(album, 30) +
           fixedField("", 4) + fixedField(comment, 28) + std::string(1, '\0') +
           static_cast<char>(track) + static_cast<char>(255);
}

}  // namespace testsupport
