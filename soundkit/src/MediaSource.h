#pragma once
// One music file opened with libavformat, limited to what the unit can carry: a regular file,
// read through the file protocol only, by the MP3, ASF or WAV demuxer, holding exactly one
// audio stream (embedded cover pictures aside). For tools, the common audio containers can be
// opened too, reading their main audio stream. Reading can be cut off by a deadline or a stop
// flag, so no input can hang the caller.
#include "WaveFormat.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

struct AVFormatContext;
struct AVStream;
struct AVPacket;

namespace soundkit {

class MediaSource {
public:
    using Clock = std::chrono::steady_clock;

    MediaSource();
    ~MediaSource();
    MediaSource(const MediaSource&) = delete;
    MediaSource& operator=(const MediaSource&) = delete;

    // Reading fails once `deadline` has passed (default: none).
    void setDeadline(Clock::time_point deadline) { m_deadline = deadline; }
    // Reading fails once `*stop` is true.
    void setStopFlag(const std::atomic<bool>* stop) { m_stop = stop; }

    enum class Formats {
        Unit,      // what the unit can carry (see above)
        AnyAudio,  // the common audio containers; the main audio stream of several streams
    };
    enum class OpenResult { Ok, CannotOpen, NotAudio };
    OpenResult open(const std::string& path, Formats formats = Formats::Unit);

    AVFormatContext* format() const { return m_format; }
    AVStream* stream() const { return m_stream; }
    bool isAsf() const;
    bool isMp3() const;
    // Size of the file in bytes, as the file system reports it.
    std::uint64_t fileSize() const { return m_fileSize; }

    // The stream parameters as a WAVEFORMATEX would hold them. For MPEG audio they come from
    // the first frame's header (which this reads ahead, see readPacket).
    std::optional<WaveFormat> waveFormat();
    // Playing time in 100-nanosecond units, 0 when unknown.
    std::uint64_t duration100ns();
    // The demuxer's average bit rate of the stream in bit/s, 0 when unknown.
    std::uint64_t averageBitRate() const;
    // A tag as UTF-8, empty when absent.
    std::string tag(const char* key) const;

    // The next packet of the audio stream (a packet read ahead by waveFormat comes first).
    // 0 on success, a negative AVERROR otherwise (AVERROR_EOF at the end).
    int readPacket(AVPacket* packet);

private:
    static int interruptCallback(void* opaque);
    OpenResult openMainAudioStream();
    const AVPacket* firstPacket();
    int readStreamPacket(AVPacket* packet);

    AVFormatContext* m_format = nullptr;
    AVStream* m_stream = nullptr;
    AVPacket* m_ahead = nullptr;  // read ahead, not yet handed out
    bool m_aheadRead = false;
    std::uint64_t m_fileSize = 0;
    Clock::time_point m_deadline = Clock::time_point::max();
    const std::atomic<bool>* m_stop = nullptr;
};

}  // namespace soundkit
