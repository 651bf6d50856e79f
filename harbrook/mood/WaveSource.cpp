#include <mood/WaveSource.h>

#include <platform/RegularFile.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

namespace mood {

namespace {

bool tagIs(const char (&tag)[4], const char* name) { return std::memcmp(tag, name, 4) == 0; }

}  // namespace

WaveSource::~WaveSource() { Close(); }

void WaveSource::Close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

int WaveSource::Open(const char* path) {
    Close();
    if (std::strlen(path) >= sizeof m_path) return kOpenFailed;
    std::memcpy(m_path, path, std::strlen(path) + 1);
    m_file = platform::fopenRegularFile(m_path);
    if (!m_file) return kOpenFailed;
    m_headerBytes = 0;
    m_factSize = 0;
    m_factSampleCount = 0;
    if (!ReadHeader()) {
        Close();
        return kBadHeader;
    }
    BoundDataByFile();
    return kOpened;
}

void WaveSource::BoundDataByFile() {
    // A header may claim more than the file holds (a WAV written to a pipe says 0xFFFFFFFF):
    // the samples actually present are the data, so nothing is analysed that is not there.
    struct stat status {};
    std::uint64_t present = 0;
    if (::fstat(::fileno(m_file), &status) == 0 && status.st_size > m_headerBytes)
        present = static_cast<std::uint64_t>(status.st_size) - m_headerBytes;
    m_dataSize = static_cast<std::uint32_t>(std::min<std::uint64_t>(m_dataSize, present));
    m_dataLeft = m_dataSize;
}

bool WaveSource::ReadHeader() {
    if (!ReadTag(m_riffTag) || !ReadU32(m_riffSize) || !ReadTag(m_formTag) ||
        !ReadTag(m_formatChunkTag) || !ReadU32(m_formatChunkSize) || !ReadU16(m_formatTag) ||
        !ReadU16(m_channels) || !ReadU32(m_sampleRate) || !ReadU32(m_byteRate) ||
        !ReadU16(m_blockAlign) || !ReadU16(m_bitsPerSample))
        return false;
    // The 16 bytes above are the whole basic format; longer chunks carry extra bytes we skip.
    if (m_formatChunkSize > 16 && !Skip(m_formatChunkSize - 16)) return false;

    char tag[4];
    if (!ReadTag(tag)) return false;
    if (tagIs(tag, "fact")) {
        // The fact chunk is taken as exactly its 8 standard bytes, whatever its size says.
        std::memcpy(m_factTag, tag, 4);
        if (!ReadU32(m_factSize) || !ReadU32(m_factSampleCount) || !ReadTag(tag)) return false;
    }
    if (!tagIs(tag, "data")) return false;
    std::memcpy(m_dataTag, tag, 4);
    return ReadU32(m_dataSize);
}

std::size_t WaveSource::Read(void* buffer, std::size_t size) {
    if (!m_file) return 0;
    // Chunks after the samples are no samples.
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, m_dataLeft));
    const std::size_t got = std::fread(buffer, 1, wanted, m_file);
    m_dataLeft -= got;
    if (got < wanted && std::ferror(m_file)) Close();
    return got;
}

bool WaveSource::ReadBytes(void* out, std::size_t size) {
    if (std::fread(out, 1, size, m_file) != size) return false;
    m_headerBytes += static_cast<std::uint32_t>(size);
    return true;
}

bool WaveSource::ReadTag(char (&tag)[4]) { return ReadBytes(tag, 4); }

bool WaveSource::ReadU16(std::uint16_t& value) {
    unsigned char b[2];
    if (!ReadBytes(b, 2)) return false;
    value = static_cast<std::uint16_t>(b[0] | b[1] << 8);
    return true;
}

bool WaveSource::ReadU32(std::uint32_t& value) {
    unsigned char b[4];
    if (!ReadBytes(b, 4)) return false;
    value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
            static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return true;
}

bool WaveSource::Skip(std::uint32_t size) {
    unsigned char scratch[512];
    while (size > 0) {
        const std::uint32_t step = size < sizeof scratch ? size : sizeof scratch;
        if (!ReadBytes(scratch, step)) return false;
        size -= step;
    }
    return true;
}

}  // namespace mood
