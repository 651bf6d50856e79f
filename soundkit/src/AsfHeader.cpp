#include "AsfHeader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

namespace soundkit {
namespace {

using Guid = std::array<std::uint8_t, 16>;

// A GUID in its on-disk (Windows) layout: the first three fields little-endian.
constexpr Guid makeGuid(std::uint32_t a, std::uint16_t b, std::uint16_t c, std::uint64_t d) {
    Guid g{};
    for (int i = 0; i < 4; ++i) g[i] = static_cast<std::uint8_t>(a >> (8 * i));
    for (int i = 0; i < 2; ++i) g[4 + i] = static_cast<std::uint8_t>(b >> (8 * i));
    for (int i = 0; i < 2; ++i) g[6 + i] = static_cast<std::uint8_t>(c >> (8 * i));
    for (int i = 0; i < 8; ++i) g[8 + i] = static_cast<std::uint8_t>(d >> (8 * (7 - i)));
    return g;
}

constexpr Guid kHeaderObject = makeGuid(0x75B22630, 0x668E, 0x11CF, 0xA6D900AA0062CE6C);
constexpr Guid kStreamProperties = makeGuid(0xB7DC0791, 0xA9B7, 0x11CF, 0x8EE600C00C205365);
constexpr Guid kAudioMedia = makeGuid(0xF8699E40, 0x5B4D, 0x11CF, 0xA8FD00805F5C44B2);
constexpr Guid kContentEncryption = makeGuid(0x2211B3FB, 0xBD23, 0x11D2, 0xB4B700A0C955FC6E);
constexpr Guid kExtendedContentEncryption =
    makeGuid(0x298AE614, 0x2622, 0x4C17, 0xB935DAE07EE9289C);
constexpr Guid kAdvancedContentEncryption =
    makeGuid(0x43058533, 0x6981, 0x49E6, 0x9B74AD12CB86D58C);
constexpr Guid kExtendedContentDescription =
    makeGuid(0xD2D0A440, 0xE307, 0x11D2, 0x97F000A0C95EA850);
constexpr Guid kHeaderExtension = makeGuid(0x5FBF03B5, 0xA92E, 0x11CF, 0x8EE300C00C205365);

constexpr std::size_t kObjectPreamble = 24;   // GUID + 64-bit size
constexpr std::size_t kHeaderPreamble = 30;   // + object count + 2 reserved bytes
constexpr int kMaxNesting = 2;

// Bounds-checked little-endian reads: out-of-range reads yield nothing.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}
    bool has(std::size_t offset, std::size_t n) const {
        return offset <= m_bytes.size() && n <= m_bytes.size() - offset;
    }
    std::uint64_t le(std::size_t offset, std::size_t n) const {
        std::uint64_t v = 0;
        if (!has(offset, n)) return 0;
        for (std::size_t i = 0; i < n; ++i) v |= std::uint64_t(m_bytes[offset + i]) << (8 * i);
        return v;
    }
    bool guidAt(std::size_t offset, const Guid& guid) const {
        return has(offset, 16) && std::memcmp(m_bytes.data() + offset, guid.data(), 16) == 0;
    }
    std::span<const std::uint8_t> sub(std::size_t offset, std::size_t n) const {
        return has(offset, n) ? m_bytes.subspan(offset, n) : std::span<const std::uint8_t>();
    }
    std::size_t size() const { return m_bytes.size(); }

private:
    std::span<const std::uint8_t> m_bytes;
};

// UTF-16LE name compared against an ASCII name (descriptor names are ASCII in practice).
bool utf16Equals(std::span<const std::uint8_t> text, std::string_view ascii) {
    std::size_t chars = text.size() / 2;
    while (chars > 0 && text[2 * (chars - 1)] == 0 && text[2 * (chars - 1) + 1] == 0) --chars;
    if (chars != ascii.size()) return false;
    for (std::size_t i = 0; i < chars; ++i) {
        if (text[2 * i + 1] != 0 || text[2 * i] != static_cast<std::uint8_t>(ascii[i])) return false;
    }
    return true;
}

// A descriptor value that means "true": BOOL/DWORD/QWORD/WORD nonzero, or the text "1"/"true".
bool truthy(std::uint16_t type, std::span<const std::uint8_t> value) {
    ByteReader r(value);
    switch (type) {
    case 0:  // UTF-16 string
        return utf16Equals(value, "1") || utf16Equals(value, "true") || utf16Equals(value, "True");
    case 2: case 3: case 4: case 5:  // BOOL, DWORD, QWORD, WORD
        return r.le(0, std::min<std::size_t>(value.size(), 8)) != 0;
    default:
        return false;
    }
}

}  // namespace

AsfHeader::ReadResult AsfHeader::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(kHeaderPreamble);
    in.read(reinterpret_cast<char*>(bytes.data()), kHeaderPreamble);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    ByteReader preamble(bytes);
    if (!preamble.guidAt(0, kHeaderObject)) return ReadResult::NotAsf;
    if (bytes.size() < kHeaderPreamble) return ReadResult::Malformed;
    std::uint64_t size = preamble.le(16, 8);
    if (size < kHeaderPreamble || size > kMaxHeaderBytes) return ReadResult::Malformed;
    bytes.resize(size);
    in.read(reinterpret_cast<char*>(bytes.data()) + kHeaderPreamble,
            static_cast<std::streamsize>(size - kHeaderPreamble));
    bytes.resize(kHeaderPreamble + static_cast<std::size_t>(in.gcount()));
    return parse(bytes) ? ReadResult::Ok : ReadResult::Malformed;
}

bool AsfHeader::startsHeader(std::span<const std::uint8_t> bytes) {
    return ByteReader(bytes).guidAt(0, kHeaderObject);
}

bool AsfHeader::parse(std::span<const std::uint8_t> bytes) {
    *this = AsfHeader();
    ByteReader r(bytes);
    if (!r.guidAt(0, kHeaderObject) || !r.has(0, kHeaderPreamble)) return false;
    std::uint64_t size = r.le(16, 8);
    if (size < kHeaderPreamble || size > bytes.size()) return false;
    parseObjects(r.sub(kHeaderPreamble, static_cast<std::size_t>(size) - kHeaderPreamble), 0);
    return true;
}

void AsfHeader::parseObjects(std::span<const std::uint8_t> bytes, int depth) {
    ByteReader r(bytes);
    std::size_t offset = 0;
    while (r.has(offset, kObjectPreamble)) {
        std::uint64_t size = r.le(offset + 16, 8);
        if (size < kObjectPreamble || size > r.size() - offset) return;  // malformed: stop here
        auto body = r.sub(offset + kObjectPreamble, static_cast<std::size_t>(size) - kObjectPreamble);
        if (r.guidAt(offset, kStreamProperties)) {
            parseStreamProperties(body);
        } else if (r.guidAt(offset, kContentEncryption) ||
                   r.guidAt(offset, kExtendedContentEncryption) ||
                   r.guidAt(offset, kAdvancedContentEncryption)) {
            m_encrypted = true;
        } else if (r.guidAt(offset, kExtendedContentDescription)) {
            parseExtendedContent(body);
        } else if (r.guidAt(offset, kHeaderExtension) && depth < kMaxNesting) {
            parseHeaderExtension(body, depth + 1);
        }
        offset += static_cast<std::size_t>(size);
    }
}

void AsfHeader::parseStreamProperties(std::span<const std::uint8_t> body) {
    // Stream type, error correction type, time offset, two data lengths, flags, reserved.
    constexpr std::size_t kTypeSpecificOffset = 16 + 16 + 8 + 4 + 4 + 2 + 4;
    constexpr std::size_t kWaveFormatSize = 18;
    ByteReader r(body);
    if (!r.guidAt(0, kAudioMedia)) return;
    ++m_audioStreams;
    std::uint64_t length = r.le(40, 4);
    if (m_audio || length < 16 || !r.has(kTypeSpecificOffset, static_cast<std::size_t>(length)))
        return;
    ByteReader wf(r.sub(kTypeSpecificOffset, static_cast<std::size_t>(length)));
    WaveFormat f;
    f.formatTag = static_cast<std::uint16_t>(wf.le(0, 2));
    f.channels = static_cast<std::uint16_t>(wf.le(2, 2));
    f.samplesPerSec = static_cast<std::uint32_t>(wf.le(4, 4));
    f.avgBytesPerSec = static_cast<std::uint32_t>(wf.le(8, 4));
    f.blockAlign = static_cast<std::uint16_t>(wf.le(12, 2));
    f.bitsPerSample = static_cast<std::uint16_t>(wf.le(14, 2));
    f.extraSize = length >= kWaveFormatSize ? static_cast<std::uint16_t>(wf.le(16, 2)) : 0;
    m_audio = f;
}

void AsfHeader::parseExtendedContent(std::span<const std::uint8_t> body) {
    ByteReader r(body);
    std::size_t count = static_cast<std::size_t>(r.le(0, 2));
    std::size_t offset = 2;
    for (std::size_t i = 0; i < count && r.has(offset, 2); ++i) {
        std::size_t nameLength = static_cast<std::size_t>(r.le(offset, 2));
        if (!r.has(offset + 2, nameLength + 4)) return;
        auto name = r.sub(offset + 2, nameLength);
        std::size_t typeOffset = offset + 2 + nameLength;
        auto type = static_cast<std::uint16_t>(r.le(typeOffset, 2));
        std::size_t valueLength = static_cast<std::size_t>(r.le(typeOffset + 2, 2));
        if (!r.has(typeOffset + 4, valueLength)) return;
        if (utf16Equals(name, "IsVBR") || utf16Equals(name, "_VBRENABLED"))
            m_vbr = truthy(type, r.sub(typeOffset + 4, valueLength));
        offset = typeOffset + 4 + valueLength;
    }
}

void AsfHeader::parseHeaderExtension(std::span<const std::uint8_t> body, int depth) {
    // Reserved GUID, reserved 16-bit field, 32-bit data size, then nested objects.
    ByteReader r(body);
    std::size_t dataSize = static_cast<std::size_t>(r.le(18, 4));
    if (!r.has(22, dataSize)) return;
    parseObjects(r.sub(22, dataSize), depth);
}

}  // namespace soundkit
