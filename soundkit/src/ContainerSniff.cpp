#include "ContainerSniff.h"

#include "AsfHeader.h"
#include "Id3Tags.h"
#include "MpegAudioHeader.h"

#include <platform/RegularFile.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace soundkit {
namespace {

// Enough for kMpegFrames of the largest frame (layer II, 384 kbit/s at 32 kHz: 1 729 bytes).
constexpr std::size_t kFramesWindow = 16 * 1024;

using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Up to kFramesWindow bytes from `offset`; fewer at the end of the file, none on an error.
std::vector<std::uint8_t> windowAt(std::FILE* file, std::uint64_t offset) {
    std::vector<std::uint8_t> bytes(kFramesWindow);
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return {};
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    return bytes;
}

// The common fields of two frame headers of one stream: version, layer and sampling frequency.
bool sameStream(const std::uint8_t* a, const std::uint8_t* b) {
    return (a[1] & 0xFE) == (b[1] & 0xFE) && (a[2] & 0x0C) == (b[2] & 0x0C);
}

}  // namespace

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

const char* ContainerSniff::demuxerFor(const std::string& path) {
    FilePtr file(platform::fopenRegularFile(path.c_str()), &std::fclose);
    if (!file) return nullptr;
    const std::vector<std::uint8_t> start = windowAt(file.get(), 0);
    if (AsfHeader::startsHeader(start)) return "asf";
    // FFmpeg's probe looks past one leading ID3v2 tag, as this does.
    const std::uint64_t tag = Id3Tags::v2TagLength(start.data(), start.size());
    return startsWithMpegFrames(tag > 0 ? windowAt(file.get(), tag) : start) ? "mp3" : nullptr;
}

}  // namespace soundkit
