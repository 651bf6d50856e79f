#include <platform/ContentHash.h>

#include <platform/RegularFile.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ull;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ull;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ull;

std::uint64_t rotl(std::uint64_t v, int r) {
    return v << r | v >> (64 - r);
}

std::uint64_t load64(const unsigned char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

std::uint64_t load32(const unsigned char* p) {
    return std::uint64_t(p[0]) | std::uint64_t(p[1]) << 8 | std::uint64_t(p[2]) << 16 |
           std::uint64_t(p[3]) << 24;
}

std::uint64_t mixRound(std::uint64_t acc, std::uint64_t input) {
    return rotl(acc + input * kPrime2, 31) * kPrime1;
}

std::uint64_t mergeRound(std::uint64_t acc, std::uint64_t lane) {
    return (acc ^ mixRound(0, lane)) * kPrime1 + kPrime4;
}

}  // namespace

ContentHash::ContentHash(std::uint64_t seed)
    : m_lanes{seed + kPrime1 + kPrime2, seed + kPrime2, seed, seed - kPrime1}, m_seed(seed) {}

void ContentHash::consumeStripe(const unsigned char* stripe) {
    for (int i = 0; i < 4; ++i) m_lanes[i] = mixRound(m_lanes[i], load64(stripe + 8 * i));
}

void ContentHash::update(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    m_total += size;
    if (m_buffered > 0) {
        const std::size_t take = std::min(size, sizeof m_buffer - m_buffered);
        std::memcpy(m_buffer + m_buffered, bytes, take);
        m_buffered += take;
        bytes += take;
        size -= take;
        if (m_buffered < sizeof m_buffer) return;
        consumeStripe(m_buffer);
        m_buffered = 0;
    }
    for (; size >= sizeof m_buffer; bytes += sizeof m_buffer, size -= sizeof m_buffer)
        consumeStripe(bytes);
    std::memcpy(m_buffer, bytes, size);
    m_buffered = size;
}

std::uint64_t ContentHash::digest() const {
    std::uint64_t h;
    if (m_total >= sizeof m_buffer) {
        h = rotl(m_lanes[0], 1) + rotl(m_lanes[1], 7) + rotl(m_lanes[2], 12) + rotl(m_lanes[3], 18);
        for (std::uint64_t lane : m_lanes) h = mergeRound(h, lane);
    } else {
        h = m_seed + kPrime5;
    }
    h += m_total;
    const unsigned char* p = m_buffer;
    std::size_t left = m_buffered;
    for (; left >= 8; p += 8, left -= 8)
        h = rotl(h ^ mixRound(0, load64(p)), 27) * kPrime1 + kPrime4;
    if (left >= 4) {
        h = rotl(h ^ load32(p) * kPrime1, 23) * kPrime2 + kPrime3;
        p += 4;
        left -= 4;
    }
    for (; left > 0; ++p, --left) h = rotl(h ^ *p * kPrime5, 11) * kPrime1;
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    return h ^ (h >> 32);
}

std::optional<std::uint64_t> ContentHash::ofFile(const std::string& path, std::uint64_t seed) {
    const int fd = openRegularFile(path.c_str());
    if (fd < 0) return std::nullopt;
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    ContentHash hash(seed);
    std::vector<unsigned char> block(1 << 20);
    for (;;) {
        const ssize_t n = ::read(fd, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        hash.update(block.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    return hash.digest();
}

}  // namespace platform
