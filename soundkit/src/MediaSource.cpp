#include "MediaSource.h"

#include "ContainerSniff.h"
#include "MpegAudioHeader.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

#include <sys/stat.h>

#include <cstring>
#include <mutex>

namespace soundkit {
namespace {

// FFmpeg's own diagnostics would flood the caller's terminal with complaints about damaged
// files that we already report through result codes.
void quietFfmpegLog() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_FATAL); });
}

bool formatIs(const AVFormatContext* format, const char* name) {
    return format && std::strcmp(format->iformat->name, name) == 0;
}

std::uint16_t mpegFormatTag(int layer) { return layer == 3 ? kFormatTagMp3 : kFormatTagMpeg; }

// The demuxers of the unit's formats, and those of the common audio files. Playlist and
// sequence demuxers (HLS, concat, image sequences), which open further files, are never used.
constexpr const char* kUnitFormats = "mp3,asf,wav";
constexpr const char* kAudioFormats =
    "mp3,asf,wav,w64,flac,ogg,matroska,webm,mov,mp4,m4a,aac,aiff,ape,wv,tta,au,caf,mpc,mpc8,"
    "ac3,eac3,dts,amr,tak,dsf,truehd,mlp,voc,wsaud,rso,sln";

}  // namespace

MediaSource::MediaSource() { quietFfmpegLog(); }

MediaSource::~MediaSource() {
    av_packet_free(&m_ahead);
    avformat_close_input(&m_format);
}

int MediaSource::interruptCallback(void* opaque) {
    auto* self = static_cast<MediaSource*>(opaque);
    if (self->m_stop && self->m_stop->load(std::memory_order_relaxed)) return 1;
    return Clock::now() > self->m_deadline ? 1 : 0;
}

MediaSource::OpenResult MediaSource::open(const std::string& path, Formats formats) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return OpenResult::CannotOpen;
    m_fileSize = static_cast<std::uint64_t>(st.st_size);

    m_format = avformat_alloc_context();
    if (!m_format) return OpenResult::CannotOpen;
    m_format->interrupt_callback.callback = &MediaSource::interruptCallback;
    m_format->interrupt_callback.opaque = this;
    AVDictionary* options = nullptr;
    av_dict_set(&options, "format_whitelist",
                formats == Formats::Unit ? kUnitFormats : kAudioFormats, 0);
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    // A plain MP3 or ASF file is opened by its demuxer straight away, without FFmpeg's probe.
    const char* known = formats == Formats::Unit ? ContainerSniff::demuxerFor(path) : nullptr;
    const AVInputFormat* demuxer = known ? av_find_input_format(known) : nullptr;
    // The "file:" prefix keeps names such as "concat:x.mp3" from choosing another protocol.
    int result = avformat_open_input(&m_format, ("file:" + path).c_str(), demuxer, &options);
    av_dict_free(&options);
    if (result < 0) {  // avformat_open_input freed the context
        return result == AVERROR(EACCES) || result == AVERROR(ENOENT) ? OpenResult::CannotOpen
                                                                      : OpenResult::NotAudio;
    }
    if (formats == Formats::AnyAudio) return openMainAudioStream();

    for (unsigned i = 0; i < m_format->nb_streams; ++i) {
        AVStream* s = m_format->streams[i];
        if (s->disposition & AV_DISPOSITION_ATTACHED_PIC) continue;
        if (m_stream) return OpenResult::NotAudio;  // more than one stream
        m_stream = s;
    }
    return m_stream && m_stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO ? OpenResult::Ok
                                                                            : OpenResult::NotAudio;
}

MediaSource::OpenResult MediaSource::openMainAudioStream() {
    if (avformat_find_stream_info(m_format, nullptr) < 0) return OpenResult::NotAudio;
    const int index = av_find_best_stream(m_format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index < 0) return OpenResult::NotAudio;
    m_stream = m_format->streams[index];
    for (unsigned i = 0; i < m_format->nb_streams; ++i) {
        if (static_cast<int>(i) != index) m_format->streams[i]->discard = AVDISCARD_ALL;
    }
    return OpenResult::Ok;
}

bool MediaSource::isAsf() const { return formatIs(m_format, "asf"); }

bool MediaSource::isMp3() const { return formatIs(m_format, "mp3"); }

int MediaSource::readStreamPacket(AVPacket* packet) {
    for (;;) {
        int result = av_read_frame(m_format, packet);
        if (result < 0) return result;
        if (packet->stream_index == m_stream->index) return 0;
        av_packet_unref(packet);
    }
}

const AVPacket* MediaSource::firstPacket() {
    if (!m_aheadRead) {
        m_aheadRead = true;
        m_ahead = av_packet_alloc();
        if (m_ahead && readStreamPacket(m_ahead) < 0) av_packet_free(&m_ahead);
    }
    return m_ahead;
}

int MediaSource::readPacket(AVPacket* packet) {
    if (m_ahead) {
        av_packet_move_ref(packet, m_ahead);
        av_packet_free(&m_ahead);
        return 0;
    }
    m_aheadRead = true;
    return readStreamPacket(packet);
}

std::optional<WaveFormat> MediaSource::waveFormat() {
    if (!m_stream) return std::nullopt;
    const AVCodecParameters* p = m_stream->codecpar;
    WaveFormat f;
    switch (p->codec_id) {
    case AV_CODEC_ID_MP3:
    case AV_CODEC_ID_MP2:
    case AV_CODEC_ID_MP1: {
        const AVPacket* packet = firstPacket();
        if (!packet) return std::nullopt;
        auto header = MpegAudioHeader::parse(packet->data, static_cast<std::size_t>(packet->size));
        if (!header) return std::nullopt;
        f.formatTag = mpegFormatTag(header->layer);
        f.channels = static_cast<std::uint16_t>(header->channels);
        f.samplesPerSec = static_cast<std::uint32_t>(header->sampleRate);
        f.avgBytesPerSec = static_cast<std::uint32_t>(header->bitRate / 8);
        f.blockAlign = 1;
        return f;
    }
    default:
        f.formatTag = static_cast<std::uint16_t>(p->codec_tag);
        f.channels = static_cast<std::uint16_t>(p->ch_layout.nb_channels);
        f.samplesPerSec = static_cast<std::uint32_t>(p->sample_rate);
        f.avgBytesPerSec = static_cast<std::uint32_t>(p->bit_rate / 8);
        f.blockAlign = static_cast<std::uint16_t>(p->block_align);
        f.bitsPerSample = static_cast<std::uint16_t>(p->bits_per_coded_sample);
        f.extraSize = static_cast<std::uint16_t>(p->extradata_size);
        return f;
    }
}

std::uint64_t MediaSource::duration100ns() {
    if (!m_stream) return 0;
    if (m_stream->duration != AV_NOPTS_VALUE && m_stream->duration > 0)
        return static_cast<std::uint64_t>(
            av_rescale_q(m_stream->duration, m_stream->time_base, AVRational{1, 10000000}));
    if (m_format->duration != AV_NOPTS_VALUE && m_format->duration > 0)
        return static_cast<std::uint64_t>(m_format->duration) * 10;
    // Constant bit rate MPEG audio without a frame count: estimate from the audio bytes.
    auto format = waveFormat();
    const AVPacket* packet = firstPacket();
    if (!format || !packet || format->avgBytesPerSec == 0 || packet->pos < 0 ||
        static_cast<std::uint64_t>(packet->pos) >= m_fileSize)
        return 0;
    std::uint64_t audioBytes = m_fileSize - static_cast<std::uint64_t>(packet->pos);
    return static_cast<std::uint64_t>(
        av_rescale(static_cast<std::int64_t>(audioBytes), 10000000, format->avgBytesPerSec));
}

std::uint64_t MediaSource::averageBitRate() const {
    if (!m_stream) return 0;
    const std::int64_t rate = m_stream->codecpar->bit_rate > 0 ? m_stream->codecpar->bit_rate
                                                                 : m_format->bit_rate;
    return rate > 0 ? static_cast<std::uint64_t>(rate) : 0;
}

std::string MediaSource::tag(const char* key) const {
    if (!m_format) return {};
    const AVDictionaryEntry* e = av_dict_get(m_format->metadata, key, nullptr, 0);
    if (!e && m_stream) e = av_dict_get(m_stream->metadata, key, nullptr, 0);
    return e && e->value ? std::string(e->value) : std::string();
}

}  // namespace soundkit
