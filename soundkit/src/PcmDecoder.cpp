#include "PcmDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/samplefmt.h>
#include <libswresample/swresample.h>
}

#include <algorithm>

namespace soundkit {
namespace {

constexpr int kBytesPerSample = 2;

// The frame's layout, or the default one for its channel count when the order is unknown.
AVChannelLayout usableLayout(const AVChannelLayout& layout) {
    AVChannelLayout result{};
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&result, layout.nb_channels);
    else
        av_channel_layout_copy(&result, &layout);
    return result;
}

// Decoders report damaged data in their own ways: AVERROR_INVALIDDATA, or a plain -1 from the
// older ones such as WMA. Everything but a misuse of the decoder or a lack of memory counts as a
// damaged packet.
bool isDamagedData(int result) {
    return result < 0 && result != AVERROR(EAGAIN) && result != AVERROR_EOF &&
           result != AVERROR(EINVAL) && result != AVERROR(ENOMEM);
}

}  // namespace

PcmDecoder::~PcmDecoder() {
    swr_free(&m_swr);
    av_frame_free(&m_frame);
    avcodec_free_context(&m_codec);
}

bool PcmDecoder::open(const AVStream* stream) {
    const AVCodec* codec = avcodec_find_decoder(stream->codecpar->codec_id);
    if (!codec) return false;
    m_codec = avcodec_alloc_context3(codec);
    m_frame = av_frame_alloc();
    if (!m_codec || !m_frame) return false;
    if (avcodec_parameters_to_context(m_codec, stream->codecpar) < 0) return false;
    m_codec->pkt_timebase = stream->time_base;
    return avcodec_open2(m_codec, codec, nullptr) >= 0;
}

void PcmDecoder::setForm(const SoundkitPcmForm& form) {
    m_maxChannels = form.maxChannels;
    m_keptRates.assign(form.keptRates, form.keptRates + std::max(form.keptRateCount, 0));
    m_otherRate = form.otherRate;
}

int PcmDecoder::outputRate(int sourceRate) const {
    if (m_otherRate <= 0) return sourceRate;
    const bool kept = std::find(m_keptRates.begin(), m_keptRates.end(), sourceRate) !=
                      m_keptRates.end();
    return kept ? sourceRate : m_otherRate;
}

bool PcmDecoder::decode(const AVPacket* packet, const Sink& sink) {
    int result = avcodec_send_packet(m_codec, packet);
    if (isDamagedData(result)) return true;  // skip it
    if (result < 0 && result != AVERROR_EOF) return false;
    if (!receiveFrames(sink)) return false;
    return packet || drainConverter(sink);
}

bool PcmDecoder::receiveFrames(const Sink& sink) {
    for (;;) {
        int result = avcodec_receive_frame(m_codec, m_frame);
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return true;
        if (isDamagedData(result)) continue;
        if (result < 0) return false;
        bool ok = convert(m_frame, sink);
        av_frame_unref(m_frame);
        if (!ok) return false;
    }
}

bool PcmDecoder::configureConverter(const AVFrame* frame) {
    const AVChannelLayout& layout = frame->ch_layout;
    std::uint64_t mask = layout.order == AV_CHANNEL_ORDER_NATIVE ? layout.u.mask : 0;
    if (m_swr && frame->sample_rate == m_inRate && frame->format == m_inFormat &&
        layout.nb_channels == m_inChannels && mask == m_inMask)
        return true;
    if (frame->sample_rate <= 0 || layout.nb_channels <= 0) return false;
    if (m_outRate == 0) {  // the first frame decides the output format
        m_outRate = outputRate(frame->sample_rate);
        m_outChannels = m_maxChannels > 0 ? std::min(layout.nb_channels, m_maxChannels)
                                          : layout.nb_channels;
    }
    AVChannelLayout in = usableLayout(layout);
    AVChannelLayout out{};
    av_channel_layout_default(&out, m_outChannels);
    if (m_outChannels == layout.nb_channels) av_channel_layout_copy(&out, &in);
    swr_free(&m_swr);
    int result = swr_alloc_set_opts2(&m_swr, &out, AV_SAMPLE_FMT_S16, m_outRate, &in,
                                     static_cast<AVSampleFormat>(frame->format), frame->sample_rate,
                                     0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    if (result < 0 || swr_init(m_swr) < 0) return false;
    m_inRate = frame->sample_rate;
    m_inFormat = frame->format;
    m_inChannels = layout.nb_channels;
    m_inMask = mask;
    return true;
}

bool PcmDecoder::convert(const AVFrame* frame, const Sink& sink) {
    if (!configureConverter(frame)) return false;
    int capacity = swr_get_out_samples(m_swr, frame->nb_samples);
    if (capacity < 0) return false;
    m_pcm.resize(static_cast<std::size_t>(capacity) * m_outChannels * kBytesPerSample);
    std::uint8_t* out = m_pcm.data();
    int samples = swr_convert(m_swr, &out, capacity, const_cast<const std::uint8_t**>(frame->extended_data),
                              frame->nb_samples);
    if (samples < 0) return false;
    return samples == 0 || sink(m_pcm.data(), static_cast<std::size_t>(samples) * m_outChannels * kBytesPerSample);
}

bool PcmDecoder::drainConverter(const Sink& sink) {
    if (!m_swr) return true;
    for (;;) {
        int capacity = swr_get_out_samples(m_swr, 0);
        if (capacity <= 0) return true;
        m_pcm.resize(static_cast<std::size_t>(capacity) * m_outChannels * kBytesPerSample);
        std::uint8_t* out = m_pcm.data();
        int samples = swr_convert(m_swr, &out, capacity, nullptr, 0);
        if (samples < 0) return false;
        if (samples == 0) return true;
        if (!sink(m_pcm.data(), static_cast<std::size_t>(samples) * m_outChannels * kBytesPerSample)) return false;
    }
}

}  // namespace soundkit
