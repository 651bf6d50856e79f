#include "Id3Tags.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace soundkit {
namespace {

constexpr std::size_t kTagHeader = 10;
constexpr std::size_t kV1Size = 128;
// Text frames are short; larger frames of the kinds we read are skipped, not loaded.
constexpr std::uint32_t kMaxTextFrame = 64 * 1024;
// An unsynchronised tag must be read whole to find its frames; larger ones are left to FFmpeg.
constexpr std::uint32_t kMaxUnsyncTag = 16 * 1024 * 1024;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::uint32_t syncsafe(const unsigned char* b) {
    return (std::uint32_t(b[0] & 0x7F) << 21) | (std::uint32_t(b[1] & 0x7F) << 14) |
           (std::uint32_t(b[2] & 0x7F) << 7) | std::uint32_t(b[3] & 0x7F);
}

std::uint32_t bigEndian(const unsigned char* b, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | b[i];
    return v;
}

std::optional<std::string> readAt(std::FILE* file, std::uint64_t offset, std::size_t size) {
    std::string bytes(size, '\0');
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0 ||
        std::fread(bytes.data(), 1, size, file) != size)
        return std::nullopt;
    return bytes;
}

// Undoes ID3 unsynchronisation: every 0xFF 0x00 becomes 0xFF.
std::string resynchronised(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += bytes[i];
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && i + 1 < bytes.size() &&
            bytes[i + 1] == 0)
            ++i;
    }
    return out;
}

// The bytes of an ID3v2 tag after its header, read from the file as needed, or held in memory
// once unsynchronisation has been undone.
class TagBody {
public:
    TagBody(std::FILE* file, std::uint64_t start, std::uint64_t size)
        : m_file(file), m_start(start), m_size(size) {}

    bool loadResynchronised() {
        if (m_size > kMaxUnsyncTag) return false;
        auto bytes = readAt(m_file, m_start, static_cast<std::size_t>(m_size));
        if (!bytes) return false;
        m_memory = resynchronised(*bytes);
        m_size = m_memory->size();
        return true;
    }
    std::uint64_t size() const { return m_size; }
    std::optional<std::string> read(std::uint64_t offset, std::size_t n) const {
        if (offset > m_size || n > m_size - offset) return std::nullopt;
        if (m_memory) return m_memory->substr(static_cast<std::size_t>(offset), n);
        return readAt(m_file, m_start + offset, n);
    }

private:
    std::FILE* m_file;
    std::uint64_t m_start;
    std::uint64_t m_size;
    std::optional<std::string> m_memory;
};

std::optional<Id3Field> fieldOf(const std::string& id) {
    if (id == "TIT2" || id == "TT2") return Id3Field::Title;
    if (id == "TPE1" || id == "TP1") return Id3Field::Artist;
    if (id == "TALB" || id == "TAL") return Id3Field::Album;
    if (id == "TCON" || id == "TCO") return Id3Field::Genre;
    if (id == "COMM" || id == "COM") return Id3Field::Comment;
    return std::nullopt;
}

bool isFrameId(const std::string& id) {
    for (char c : id)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

// Frames FFmpeg turns into text metadata.
bool isTextFrame(const std::string& id) {
    return id[0] == 'T' || id == "COMM" || id == "COM";
}

bool isSingleByteEncoding(std::uint8_t encoding) {
    return encoding == Id3Tags::kLatin1 || encoding == Id3Tags::kUtf8;
}

// The body of a frame whose flags are `flags`, with the extra header bytes the flags announce
// removed and unsynchronisation undone; nullopt for compressed or encrypted frames.
std::optional<std::string> plainBody(std::string body, int version, std::uint16_t flags) {
    std::size_t skip = 0;
    if (version == 3) {
        if (flags & 0x00C0) return std::nullopt;
        if (flags & 0x0020) skip = 1;  // group id
    } else if (version == 4) {
        if (flags & 0x000C) return std::nullopt;
        if (flags & 0x0040) skip += 1;  // group id
        if (flags & 0x0001) skip += 4;  // data length indicator
    }
    if (skip > body.size()) return std::nullopt;
    body.erase(0, skip);
    if (version == 4 && (flags & 0x0002)) body = resynchronised(body);
    return body;
}

// ID3v1 field: the bytes up to the first NUL, trailing spaces removed.
std::optional<LegacyText> v1Field(const char* field, std::size_t size) {
    const void* nul = std::memchr(field, 0, size);
    std::size_t n = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : size;
    bool full = n == size;
    while (n > 0 && field[n - 1] == ' ') --n;
    if (n == 0) return std::nullopt;
    return LegacyText{std::string(field, n), full && n == size};
}

}  // namespace

Id3Tags Id3Tags::read(const std::string& path) {
    Id3Tags tags;
    FilePtr file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return tags;
    long end = std::ftell(file.get());
    if (end <= 0) return tags;
    V2 v2 = tags.readV2(file.get(), static_cast<std::uint64_t>(end));
    if (v2 == V2::Absent || (v2 == V2::Read && !tags.m_v2HasText))
        tags.readV1(file.get(), static_cast<std::uint64_t>(end));
    return tags;
}

std::uint64_t Id3Tags::v2TagLength(const unsigned char* header, std::size_t size) {
    if (size < kTagHeader || std::memcmp(header, "ID3", 3) != 0 || header[3] == 0xFF ||
        header[4] == 0xFF || ((header[6] | header[7] | header[8] | header[9]) & 0x80))
        return 0;
    const bool footer = (header[5] & 0x10) != 0;
    return kTagHeader + syncsafe(header + 6) + (footer ? kTagHeader : 0);
}

Id3Tags::V2 Id3Tags::readV2(std::FILE* file, std::uint64_t fileSize) {
    auto header = readAt(file, 0, kTagHeader);
    if (!header || header->compare(0, 3, "ID3") != 0) return V2::Absent;
    auto* h = reinterpret_cast<const unsigned char*>(header->data());
    const int version = h[3];
    const std::uint8_t flags = h[5];
    if (version < 2 || version > 4 || ((h[6] | h[7] | h[8] | h[9]) & 0x80)) return V2::Unreadable;
    if (version == 2 && (flags & 0x40)) return V2::Unreadable;  // compressed ID3v2.2 tag
    TagBody body(file, kTagHeader, std::min<std::uint64_t>(syncsafe(h + 6), fileSize - kTagHeader));
    if ((flags & 0x80) && version < 4 && !body.loadResynchronised()) return V2::Unreadable;

    std::uint64_t pos = 0;
    if ((flags & 0x40) && version >= 3) {  // extended header
        auto ext = body.read(0, 4);
        if (!ext) return V2::Unreadable;
        auto* e = reinterpret_cast<const unsigned char*>(ext->data());
        pos = version == 4 ? syncsafe(e) : 4 + std::uint64_t(bigEndian(e, 4));
    }
    const std::size_t idSize = version == 2 ? 3 : 4;
    const std::size_t frameHeader = version == 2 ? 6 : 10;
    while (auto fh = body.read(pos, frameHeader)) {
        auto* f = reinterpret_cast<const unsigned char*>(fh->data());
        std::string id = fh->substr(0, idSize);
        if (f[0] == 0 || !isFrameId(id)) break;  // padding or damage
        std::uint32_t size = version == 2   ? bigEndian(f + 3, 3)
                             : version == 4 ? syncsafe(f + 4)
                                            : bigEndian(f + 4, 4);
        std::uint16_t frameFlags =
            version == 2 ? 0 : static_cast<std::uint16_t>(bigEndian(f + 8, 2));
        pos += frameHeader;
        if (size > body.size() - pos) break;
        if (size > 0 && isTextFrame(id)) m_v2HasText = true;
        auto field = fieldOf(id);
        if (field && size <= kMaxTextFrame && !m_fields[static_cast<std::size_t>(*field)]) {
            auto raw = body.read(pos, size);
            if (auto plain = raw ? plainBody(*raw, version, frameFlags) : std::nullopt)
                readV2Frame(id, *plain);
        }
        pos += size;
    }
    return V2::Read;
}

void Id3Tags::readV2Frame(const std::string& id, std::string body) {
    if (body.empty()) return;
    Text text;
    text.encoding = static_cast<std::uint8_t>(body[0]);
    body.erase(0, 1);
    bool singleByte = isSingleByteEncoding(text.encoding);
    if (id == "COMM" || id == "COM") {
        // Language, then a short description: only the comment without one is the file's comment.
        if (!singleByte || body.size() < 4 || body[3] != '\0') return;
        body.erase(0, 4);
    }
    if (singleByte) text.text.bytes = body.substr(0, body.find('\0'));
    m_fields[static_cast<std::size_t>(*fieldOf(id))] = std::move(text);
}

void Id3Tags::readV1(std::FILE* file, std::uint64_t fileSize) {
    if (fileSize < kV1Size) return;
    auto tag = readAt(file, fileSize - kV1Size, kV1Size);
    if (!tag || tag->compare(0, 3, "TAG") != 0) return;
    const char* t = tag->data();
    // ID3v1.1 keeps the track number in the comment's last two bytes.
    std::size_t commentSize = t[125] == 0 && t[126] != 0 ? 28 : 30;
    const std::pair<Id3Field, std::optional<LegacyText>> fields[] = {
        {Id3Field::Title, v1Field(t + 3, 30)},
        {Id3Field::Artist, v1Field(t + 33, 30)},
        {Id3Field::Album, v1Field(t + 63, 30)},
        {Id3Field::Comment, v1Field(t + 97, commentSize)},
    };
    for (const auto& [field, text] : fields)
        if (text) m_fields[static_cast<std::size_t>(field)] = Text{kLatin1, *text};
}

std::vector<LegacyText> Id3Tags::legacyTexts() const {
    std::vector<LegacyText> texts;
    for (const auto& f : m_fields)
        if (f && f->encoding == kLatin1) texts.push_back(f->text);
    return texts;
}

const LegacyText* Id3Tags::legacy(Id3Field f) const {
    const auto& field = m_fields[static_cast<std::size_t>(f)];
    return field && field->encoding == kLatin1 ? &field->text : nullptr;
}

}  // namespace soundkit
