#pragma once
// Names the demuxer of a file in one of the unit's two containers from its first bytes, the one
// FFmpeg's probe would choose, so that opening the file can skip that probe: it runs every
// demuxer FFmpeg has over the start of the file and took most of a format check's time. A file
// whose start is not plainly ASF or MPEG audio gets no name and is probed by FFmpeg as before.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace soundkit {

class ContainerSniff {
public:
    // MPEG audio frames that must follow each other from the start (after an ID3v2 tag): as
    // many as make FFmpeg's own probe sure of an MP3 file.
    static constexpr int kMpegFrames = 7;

    // "asf", "mp3" or nullptr (unsure, unreadable).
    static const char* demuxerFor(const std::string& path);
    // The same from the file's first bytes (`start`) and the bytes after its ID3v2 tag
    // (`afterTag`, the same bytes when there is no tag).
    static const char* demuxerFor(std::span<const std::uint8_t> start,
                                  std::span<const std::uint8_t> afterTag);
    // Length of the ID3v2 tag the bytes start with (header and footer included), 0 when none.
    static std::size_t id3v2Length(std::span<const std::uint8_t> start);

private:
    static bool startsWithMpegFrames(std::span<const std::uint8_t> bytes);
};

}  // namespace soundkit
