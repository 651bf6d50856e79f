#pragma once
// Decodes one music file to a 16-bit PCM WAV file: packets are read, decoded and written one
// after the other, with a stop check between packets and progress by the packets' timestamps.
// The output file is created only once the first PCM exists, so a source that cannot be
// decoded (or converted to PCM) leaves the output path untouched.
#include <soundkit/Soundkit.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

namespace soundkit {

class WavDecoder {
public:
    // Called with each new, higher percentage (1-100) of the source's playing time decoded.
    using Progress = std::function<void(int percent)>;

    WavDecoder(const std::atomic<bool>& stop, Progress progress);

    // None when the whole source was decoded and the WAV file written, else the failure. With
    // a `form`, any audio file FFmpeg reads is decoded into that form; without one only the
    // unit's formats, at their own rate and channel count.
    SoundkitDecodeError run(const std::string& source, const std::string& wavPath,
                            const SoundkitPcmForm* form = nullptr);

private:
    void reportProgress(std::int64_t time100ns, std::uint64_t duration100ns);

    const std::atomic<bool>& m_stop;
    Progress m_progress;
    int m_lastPercent = 0;
};

}  // namespace soundkit
