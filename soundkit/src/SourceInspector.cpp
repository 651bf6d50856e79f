#include "SourceInspector.h"

#include "AsfHeader.h"
#include "Id3TextEncoding.h"
#include "MediaSource.h"

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
    details.title = source.tag("title");
    details.artist = source.tag("artist");
    if (details.artist.empty()) details.artist = source.tag("author");
    details.track = source.tag("track");
    if (source.isMp3()) {
        Id3TextEncoding id3 = Id3TextEncoding::read(path);
        details.titleFromLatin1 = Id3TextEncoding::mayHoldShiftJis(id3.title);
        details.artistFromLatin1 = Id3TextEncoding::mayHoldShiftJis(id3.artist);
    }
    details.fileSize = source.fileSize();
    details.status = SourceDetails::Status::Ok;
    return details;
}

}  // namespace soundkit
