#include "SourceInspector.h"

#include "AsfHeader.h"
#include "Id3Tags.h"
#include "MediaSource.h"
#include "TagText.h"

#include <sys/stat.h>

namespace soundkit {

SourceDetails SourceInspector::inspect(const std::string& path) {
    SourceDetails details;
    // Only regular files: opening a FIFO or a device could block forever.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return details;
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
    if (!source.open(path)) return details;
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
    details.fileSize = source.fileSize();
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
