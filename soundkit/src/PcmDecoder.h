#pragma once
// Decodes an audio stream's packets to interleaved signed 16-bit PCM at the rate and channel
// count of the stream's first decoded frame. Later frames in another format (a stream that
// changes mid-way) are converted to that first format, so one WAV header describes them all.
#include <soundkit/Soundkit.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwrContext;

namespace soundkit {

class PcmDecoder {
public:
    // Receives each block of converted PCM; returning false stops decoding with a failure.
    using Sink = std::function<bool(const std::uint8_t* data, std::size_t size)>;

    PcmDecoder() = default;
    ~PcmDecoder();
    PcmDecoder(const PcmDecoder&) = delete;
    PcmDecoder& operator=(const PcmDecoder&) = delete;

    bool open(const AVStream* stream);
    // Writes the PCM in `form` (channels, rate) instead of the first frame's own.
    void setForm(const SoundkitPcmForm& form);
    // Decodes one packet; null drains the decoder at the end. Damaged packets are skipped.
    // False on a failure that ends the decode (no conversion possible, the sink refused).
    bool decode(const AVPacket* packet, const Sink& sink);

    // The output format, known once PCM has been produced.
    bool hasOutput() const { return m_outRate > 0; }
    int sampleRate() const { return m_outRate; }
    int channels() const { return m_outChannels; }

private:
    bool receiveFrames(const Sink& sink);
    bool convert(const AVFrame* frame, const Sink& sink);
    bool configureConverter(const AVFrame* frame);
    int outputRate(int sourceRate) const;
    bool drainConverter(const Sink& sink);

    AVCodecContext* m_codec = nullptr;
    AVFrame* m_frame = nullptr;
    SwrContext* m_swr = nullptr;
    int m_inRate = 0;
    int m_inFormat = -1;
    int m_inChannels = 0;
    std::uint64_t m_inMask = 0;
    int m_outRate = 0;
    int m_outChannels = 0;
    int m_maxChannels = 0;  // 0: any
    std::vector<int> m_keptRates;
    int m_otherRate = 0;  // 0: every rate is kept
    std::vector<std::uint8_t> m_pcm;
};

}  // namespace soundkit
