#include "ProbeStore.h"

#include <platform/AtomicFile.h>
#include <platform/ContentHash.h>
#include <platform/RegularFile.h>
#include <platform/TempName.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

namespace soundkit {
namespace {

constexpr char kMagic[4] = {'H', 'B', 'P', 'R'};
// A file larger than this is not ours (50 000 records of long names stay well below it).
constexpr std::size_t kMaxFileSize = 64u << 20;
constexpr std::size_t kHashSize = sizeof(std::uint64_t);

// Appends fixed-size values and counted texts in the machine's byte order (the file never
// leaves the machine).
class Writer {
public:
    template <typename T>
    void put(const T& value) {
        const auto* bytes = reinterpret_cast<const char*>(&value);
        m_bytes.append(bytes, sizeof value);
    }
    void putText(const std::string& text) {
        put(static_cast<std::uint16_t>(text.size()));
        m_bytes += text;
    }
    std::string& bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

// Reads what Writer wrote; every read is checked against the bytes left.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_rest(bytes) {}

    template <typename T>
    bool get(T& value) {
        if (m_rest.size() < sizeof value) return false;
        std::memcpy(&value, m_rest.data(), sizeof value);
        m_rest.remove_prefix(sizeof value);
        return true;
    }
    bool getText(std::string& text) {
        std::uint16_t size = 0;
        if (!get(size) || size > ProbeStore::kMaxText || m_rest.size() < size) return false;
        text.assign(m_rest.data(), size);
        m_rest.remove_prefix(size);
        return true;
    }
    bool done() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

// Field by field: the structure has padding, whose bytes are not part of the value.
void putFormat(Writer& w, const WaveFormat& f) {
    w.put(f.formatTag);
    w.put(f.channels);
    w.put(f.samplesPerSec);
    w.put(f.avgBytesPerSec);
    w.put(f.blockAlign);
    w.put(f.bitsPerSample);
    w.put(f.extraSize);
}

bool getFormat(Reader& in, WaveFormat& f) {
    return in.get(f.formatTag) && in.get(f.channels) && in.get(f.samplesPerSec) &&
           in.get(f.avgBytesPerSec) && in.get(f.blockAlign) && in.get(f.bitsPerSample) &&
           in.get(f.extraSize);
}

void putRecord(Writer& w, const ProbeRecord& r) {
    w.putText(r.path);
    w.put(r.stamp);
    const SourceDetails& d = r.details;
    w.put(static_cast<std::uint8_t>(d.status));
    putFormat(w, d.format);
    w.put(d.fileSize);
    w.put(d.duration100ns);
    const std::uint8_t flags = (d.vbr ? 1 : 0) | (d.audioPresent ? 2 : 0) | (r.audioProbed ? 4 : 0);
    w.put(flags);
    w.putText(d.title);
    w.putText(d.artist);
    w.putText(d.track);
}

std::optional<ProbeRecord> getRecord(Reader& in) {
    ProbeRecord r;
    SourceDetails& d = r.details;
    std::uint8_t status = 0;
    std::uint8_t flags = 0;
    if (!in.getText(r.path) || !in.get(r.stamp) || !in.get(status) || !getFormat(in, d.format) ||
        !in.get(d.fileSize) || !in.get(d.duration100ns) || !in.get(flags) ||
        !in.getText(d.title) || !in.getText(d.artist) || !in.getText(d.track))
        return std::nullopt;
    if (status > static_cast<std::uint8_t>(SourceDetails::Status::Protected)) return std::nullopt;
    d.status = static_cast<SourceDetails::Status>(status);
    d.vbr = flags & 1;
    d.audioPresent = flags & 2;
    r.audioProbed = flags & 4;
    return r;
}

bool fits(const ProbeRecord& r) {
    const auto& d = r.details;
    return r.path.size() <= ProbeStore::kMaxText && d.title.size() <= ProbeStore::kMaxText &&
           d.artist.size() <= ProbeStore::kMaxText && d.track.size() <= ProbeStore::kMaxText;
}

std::uint64_t hashOf(std::string_view bytes) {
    platform::ContentHash hash(ProbeStore::kProbeVersion);
    hash.update(bytes.data(), bytes.size());
    return hash.digest();
}

std::optional<std::string> readWhole(const std::string& path) {
    std::FILE* f = platform::fopenRegularFile(path.c_str());
    if (!f) return std::nullopt;
    std::string bytes;
    char block[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0 && bytes.size() <= kMaxFileSize)
        bytes.append(block, got);
    std::fclose(f);
    if (bytes.size() > kMaxFileSize) return std::nullopt;
    return bytes;
}

}  // namespace

std::string ProbeStore::DefaultFile() {
    return platform::cacheFolder() + "probes";
}

std::vector<ProbeRecord> ProbeStore::Load() const {
    const std::optional<std::string> bytes = readWhole(m_file);
    if (!bytes || bytes->size() < sizeof kMagic + 2 * sizeof(std::uint32_t) + kHashSize) return {};
    const std::string_view body(bytes->data(), bytes->size() - kHashSize);
    std::uint64_t check = 0;
    std::memcpy(&check, bytes->data() + body.size(), kHashSize);
    if (check != hashOf(body) || body.compare(0, sizeof kMagic, kMagic, sizeof kMagic) != 0)
        return {};
    Reader in(body.substr(sizeof kMagic));
    std::uint32_t version = 0;
    std::uint32_t count = 0;
    if (!in.get(version) || version != kProbeVersion || !in.get(count)) return {};
    std::vector<ProbeRecord> records;
    while (records.size() < count) {
        std::optional<ProbeRecord> r = getRecord(in);
        if (!r) return {};
        records.push_back(std::move(*r));
    }
    if (!in.done()) return {};
    return records;
}

bool ProbeStore::Save(const std::vector<ProbeRecord>& records) const {
    Writer w;
    w.bytes().append(kMagic, sizeof kMagic);
    w.put(kProbeVersion);
    std::uint32_t count = 0;
    w.put(count);  // filled in below
    for (const ProbeRecord& r : records) {
        if (!fits(r)) continue;
        putRecord(w, r);
        ++count;
    }
    std::memcpy(w.bytes().data() + sizeof kMagic + sizeof kProbeVersion, &count, sizeof count);
    w.put(hashOf(w.bytes()));
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(m_file).parent_path(), ec);
    platform::AtomicFile file(m_file);
    return file.open() && file.write(w.bytes().data(), w.bytes().size()) && file.commit();
}

}  // namespace soundkit
