#include "ContainerSniff.h"

#include "MpegAudioHeader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

namespace soundkit {
namespace {

// The ASF header object's GUID; FFmpeg's ASF probe takes a file starting with it as certain.
constexpr std::array<std::uint8_t, 16> kAsfHeaderGuid = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66,
                                                         0xCF, 0x11, 0xA6, 0xD9, 0x00, 0xAA,
                                                         0x00, 0x62, 0xCE, 0x6C};
constexpr std::size_t kId3HeaderSize = 10;
// Enough for kMpegFrames of the largest frame (layer II, 384 kbit/s at 32 kHz: 1 729 bytes).
constexpr std::size_t kFramesWindow = 16 * 1024;

// Reads up to `size` bytes at `offset`; the count read, 0 on any error.
std::size_t readAt(int fd, std::uint64_t offset, std::uint8_t* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, buffer + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

// The common fields of two frame headers of one stream: version, layer and sampling frequency.
bool sameStream(const std::uint8_t* a, const std::uint8_t* b) {
    return (a[1] & 0xFE) == (b[1] & 0xFE) && (a[2] & 0x0C) == (b[2] & 0x0C);
}

}  // namespace

std::size_t ContainerSniff::id3v2Length(std::span<const std::uint8_t> start) {
    if (start.size() < kId3HeaderSize || std::memcmp(start.data(), "ID3", 3) != 0 ||
        start[3] == 0xFF || start[4] == 0xFF)
        return 0;
    std::size_t size = 0;
    for (int i = 6; i < 10; ++i) {
        if (start[i] & 0x80) return 0;  // not a sync-safe size: no tag
        size = size << 7 | start[i];
    }
    const bool footer = (start[5] & 0x10) != 0;
    return kId3HeaderSize + size + (footer ? kId3HeaderSize : 0);
}

bool ContainerSniff::startsWithMpegFrames(std::span<const std::uint8_t> bytes) {
    std::size_t at = 0;
    for (int frame = 0; frame < kMpegFrames; ++frame) {
        if (at >= bytes.size()) return false;
        auto header = MpegAudioHeader::parse(bytes.data() + at, bytes.size() - at);
        if (!header || header->frameSize <= 0 || !sameStream(bytes.data(), bytes.data() + at))
            return false;
        at += static_cast<std::size_t>(header->frameSize);
    }
    return true;
}

const char* ContainerSniff::demuxerFor(std::span<const std::uint8_t> start,
                                       std::span<const std::uint8_t> afterTag) {
    if (start.size() >= kAsfHeaderGuid.size() &&
        std::equal(kAsfHeaderGuid.begin(), kAsfHeaderGuid.end(), start.begin()))
        return "asf";
    return startsWithMpegFrames(afterTag) ? "mp3" : nullptr;
}

const char* ContainerSniff::demuxerFor(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    std::vector<std::uint8_t> start(kFramesWindow);
    start.resize(readAt(fd, 0, start.data(), start.size()));
    const std::size_t tag = id3v2Length(start);
    std::vector<std::uint8_t> afterTag;
    if (tag > 0) {
        afterTag.resize(kFramesWindow);
        afterTag.resize(readAt(fd, tag, afterTag.data(), afterTag.size()));
    }
    ::close(fd);
    return demuxerFor(start, tag > 0 ? afterTag : start);
}

}  // namespace soundkit
