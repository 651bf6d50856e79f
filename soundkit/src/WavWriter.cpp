#include "WavWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace soundkit {
namespace {

constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::uint16_t kBitsPerSample = 16;

void put(std::string& s, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(value >> (8 * i));
}

}  // namespace

WavWriter::WavWriter(std::uint64_t maxFileSize) : m_maxFileSize(maxFileSize) {}

WavWriter::~WavWriter() { close(); }

void WavWriter::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

bool WavWriter::open(const std::string& path) {
    close();
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (m_fd < 0) return false;
    m_size = kHeaderSize;
    m_buffer.assign(kHeaderSize, 0);  // the header's place, filled in by finish()
    m_buffer.reserve(kBufferSize);
    return true;
}

bool WavWriter::writeAll(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(m_fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool WavWriter::flush() {
    bool ok = writeAll(m_buffer.data(), m_buffer.size());
    m_buffer.clear();
    return ok;
}

bool WavWriter::write(const std::uint8_t* data, std::size_t size) {
    if (m_fd < 0 || size > m_maxFileSize - m_size) return false;
    m_size += size;
    if (m_buffer.size() + size > kBufferSize && !flush()) return false;
    if (size >= kBufferSize) return writeAll(data, size);
    m_buffer.insert(m_buffer.end(), data, data + size);
    return true;
}

std::string WavWriter::header(std::uint64_t fileSize, int sampleRate, int channels) {
    const auto blockAlign = static_cast<std::uint16_t>(kBitsPerSample / 8 * channels);
    std::string h = "RIFF";
    put(h, fileSize - 8, 4);
    h += "WAVEfmt ";
    put(h, 18, 4);
    put(h, 1, 2);  // PCM
    put(h, static_cast<std::uint16_t>(channels), 2);
    put(h, static_cast<std::uint32_t>(sampleRate), 4);
    put(h, std::uint64_t(static_cast<std::uint32_t>(sampleRate)) * blockAlign, 4);
    put(h, blockAlign, 2);
    put(h, kBitsPerSample, 2);
    put(h, 0, 2);  // no extra format bytes
    h += "data";
    put(h, fileSize - kHeaderSize, 4);
    return h;
}

bool WavWriter::finish(int sampleRate, int channels) {
    if (m_fd < 0) return false;
    std::string h = header(m_size, sampleRate, channels);
    bool ok = flush() && ::lseek(m_fd, 0, SEEK_SET) == 0 &&
              writeAll(reinterpret_cast<const std::uint8_t*>(h.data()), h.size());
    ok = ::close(m_fd) == 0 && ok;
    m_fd = -1;
    return ok;
}

}  // namespace soundkit
