#pragma once
// Names the demuxer of a file in one of the unit's two containers from its first bytes, the one
// FFmpeg's probe would choose, so that opening the file can skip that probe: it runs every
// demuxer FFmpeg has over the start of the file and took most of a format check's time. A file
// whose start is not plainly ASF or MPEG audio gets no name and is probed by FFmpeg as before.
#include <cstdint>
#include <span>
#include <string>

namespace soundkit {

class ContainerSniff {
public:
    // MPEG audio frames that must follow each other from the start (after an ID3v2 tag): as
    // many as make FFmpeg's own probe sure of an MP3 file.
    static constexpr int kMpegFrames = 7;

    // "asf", "mp3" or nullptr (unsure, unreadable, not a regular file).
    static const char* demuxerFor(const std::string& path);

private:
    static bool startsWithMpegFrames(std::span<const std::uint8_t> bytes);
};

}  // namespace soundkit
