#pragma once
// A fast 64-bit hash of a byte stream (four interleaved multiply-rotate lanes, in the manner of
// xxHash64), for recognising a file by its content. Not for security: anyone can make
// collisions on purpose.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class ContentHash {
public:
    explicit ContentHash(std::uint64_t seed = 0);

    void update(const void* data, std::size_t size);
    // The hash of everything given so far; update may go on afterwards.
    std::uint64_t digest() const;

    // The hash of a whole regular file, read in large blocks; nullopt when it cannot be read.
    static std::optional<std::uint64_t> ofFile(const std::string& path, std::uint64_t seed = 0);

private:
    void consumeStripe(const unsigned char* stripe);

    std::uint64_t m_lanes[4];
    std::uint64_t m_seed;
    std::uint64_t m_total = 0;
    unsigned char m_buffer[32];
    std::size_t m_buffered = 0;
};

}  // namespace platform
