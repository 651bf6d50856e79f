#include "SourceInspector.h"

#include "AsfHeader.h"
#include "Id3Tags.h"
#include "MediaSource.h"
#include "PcmDecoder.h"
#include "TagText.h"

extern "C" {
#include <libavcodec/packet.h>
}

#include <memory>

namespace soundkit {
namespace {

// Packets tried before a file is taken to hold no decodable audio.
constexpr int kProbePackets = 32;
// A header may claim a playing time that needs 5/4 of the bytes the file holds (plus the slack)
// before the file counts as cut short.
constexpr std::uint64_t kClaimSlack = 64 * 1024;

// True once one of the first packets decodes to samples. A header without the audio it
// announces (a WMA that ends after its header, damaged frames only) is no playable file.
bool decodesAudio(MediaSource& source) {
    PcmDecoder decoder;
    if (!decoder.open(source.stream())) return false;
    bool produced = false;
    const PcmDecoder::Sink sink = [&](const std::uint8_t*, std::size_t size) {
        produced = produced || size > 0;
        return true;
    };
    std::unique_ptr<AVPacket, void (*)(AVPacket*)> packet(av_packet_alloc(), [](AVPacket* p) {
        av_packet_free(&p);
    });
    for (int i = 0; packet && i < kProbePackets && !produced; ++i) {
        if (source.readPacket(packet.get()) < 0) break;
        decoder.decode(packet.get(), sink);
        av_packet_unref(packet.get());
    }
    if (!produced) decoder.decode(nullptr, sink);
    return produced;
}

// True when the playing time the header claims needs far more bytes than the file holds: the
// file was cut short after its header was written (an MP3 cut to 1 000 bytes still says 1:30).
// The stream's average bit rate is the demuxer's (for an MP3 with a frame-count header, the
// header's byte count over its playing time), not that of the first frame.
bool claimsMoreThanItHolds(const SourceDetails& d, std::uint64_t averageBitRate) {
    const std::uint64_t needed = d.duration100ns / 10000000 * averageBitRate / 8;
    return needed * 4 > (d.fileSize + kClaimSlack) * 5;
}

}  // namespace

SourceDetails SourceInspector::inspect(const std::string& path, bool probeAudio) {
    SourceDetails details;
    // Protected WMA is refused before anything else, like the runtime refusing to open it.
    // An ASF header we cannot read whole may hide protection: refuse it.
    AsfHeader asf;
    AsfHeader::ReadResult asfRead = asf.read(path);
    if (asfRead == AsfHeader::ReadResult::Malformed) return details;
    bool isAsf = asfRead == AsfHeader::ReadResult::Ok;
    if (isAsf && asf.encrypted()) {
        details.status = SourceDetails::Status::Protected;
        return details;
    }

    MediaSource source;
    source.setDeadline(MediaSource::Clock::now() + kTimeLimit);
    if (source.open(path) != MediaSource::OpenResult::Ok) return details;
    auto format = source.isAsf() && isAsf && asf.audioFormat() ? asf.audioFormat()
                                                               : source.waveFormat();
    if (!format) return details;
    details.format = *format;
    details.vbr = source.isAsf() && isAsf && asf.variableBitRate();
    details.duration100ns = source.duration100ns();
    details.title = TagText::fromUtf8(source.tag("title"));
    std::string artist = source.tag("artist");
    details.artist = TagText::fromUtf8(artist.empty() ? source.tag("author") : artist);
    details.track = source.tag("track");
    if (source.isMp3()) readLegacyText(path, details);
    if (details.title.empty()) details.title = TagText::titleFromPath(path);
    details.fileSize = source.fileSize();
    details.audioPresent = probeAudio && !claimsMoreThanItHolds(details, source.averageBitRate()) &&
                           decodesAudio(source);
    details.status = SourceDetails::Status::Ok;
    return details;
}

void SourceInspector::readLegacyText(const std::string& path, SourceDetails& details) {
    Id3Tags tags = Id3Tags::read(path);
    std::vector<LegacyText> texts = tags.legacyTexts();
    if (texts.empty()) return;
    LegacyEncoding encoding = TagCharset::decide(texts);
    if (const LegacyText* title = tags.legacy(Id3Field::Title))
        details.title = TagText::fromLegacy(*title, encoding);
    if (const LegacyText* artist = tags.legacy(Id3Field::Artist))
        details.artist = TagText::fromLegacy(*artist, encoding);
}

}  // namespace soundkit
