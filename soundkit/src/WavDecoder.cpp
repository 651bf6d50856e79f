#include "WavDecoder.h"

#include "MediaSource.h"
#include "PcmDecoder.h"
#include "WavWriter.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <memory>

namespace soundkit {
namespace {

struct PacketDeleter {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};

}  // namespace

WavDecoder::WavDecoder(const std::atomic<bool>& stop, Progress progress)
    : m_stop(stop), m_progress(std::move(progress)) {}

void WavDecoder::reportProgress(std::int64_t time100ns, std::uint64_t duration100ns) {
    if (duration100ns == 0 || time100ns <= 0) return;
    std::int64_t percent = av_rescale(time100ns, 100, static_cast<std::int64_t>(duration100ns));
    int clamped = static_cast<int>(std::min<std::int64_t>(percent, 100));
    if (clamped <= m_lastPercent) return;
    m_lastPercent = clamped;
    if (m_progress) m_progress(clamped);
}

SoundkitDecodeError WavDecoder::run(const std::string& source, const std::string& wavPath,
                                    const SoundkitPcmForm* form) {
    using Error = SoundkitDecodeError;
    m_lastPercent = 0;
    MediaSource media;
    media.setStopFlag(&m_stop);
    const MediaSource::OpenResult opened =
        media.open(source, form ? MediaSource::Formats::AnyAudio : MediaSource::Formats::Unit);
    if (opened == MediaSource::OpenResult::CannotOpen) return Error::CannotOpen;
    if (opened != MediaSource::OpenResult::Ok) return m_stop ? Error::Stopped : Error::NotAudio;
    const std::uint64_t duration = media.duration100ns();
    const AVStream* stream = media.stream();
    PcmDecoder decoder;
    if (form) decoder.setForm(*form);
    if (!decoder.open(stream)) return Error::Undecodable;

    WavWriter writer;
    bool writeFailed = false;
    auto sink = [&](const std::uint8_t* data, std::size_t size) {
        writeFailed = (!writer.isOpen() && !writer.open(wavPath)) || !writer.write(data, size);
        return !writeFailed;
    };
    std::unique_ptr<AVPacket, PacketDeleter> packet(av_packet_alloc());
    if (!packet) return Error::Undecodable;
    const std::int64_t start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    for (;;) {
        if (m_stop) return Error::Stopped;
        int result = media.readPacket(packet.get());
        if (result == AVERROR_EOF) break;
        if (result < 0) return m_stop ? Error::Stopped : Error::Undecodable;
        std::int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
        if (pts != AV_NOPTS_VALUE)
            reportProgress(av_rescale_q(pts - start, stream->time_base, AVRational{1, 10000000}),
                           duration);
        bool ok = decoder.decode(packet.get(), sink);
        av_packet_unref(packet.get());
        if (!ok) return writeFailed ? Error::CannotWrite : Error::Undecodable;
    }
    if (!decoder.decode(nullptr, sink))
        return writeFailed ? Error::CannotWrite : Error::Undecodable;
    if (m_stop) return Error::Stopped;
    if (!decoder.hasOutput()) return Error::Undecodable;
    return writer.finish(decoder.sampleRate(), decoder.channels()) ? Error::None
                                                                   : Error::CannotWrite;
}

}  // namespace soundkit
