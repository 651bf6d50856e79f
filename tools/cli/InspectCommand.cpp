// harbrook-cli inspect: a readable dump of one of the unit's music database files (AVMTR.PPD,
// PLINFO*.PPD, TRACK*.PPD) or of an edit data file. Texts are shown in UTF-8; the music bytes of a
// TRACK file are summarised, not shown. Files of any other kind are refused.
#include "Command.h"
#include "Messages.h"

#include <songbase/Songbase.h>

#include <platform/Cp932.h>
#include <platform/Guid.h>
#include <platform/RegularFile.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: harbrook-cli inspect FILE\n";
constexpr std::size_t kBodyStart = sizeof(AVT_FileHeader) + sizeof(AVT_ObjectHeader);  // 72
constexpr std::size_t kTrackDataStart = 400 + sizeof(AVT_Tk_DataHeader);                // 408

// What a dump found wrong; printed at the end, and the exit status becomes 1.
using Problems = std::vector<std::string>;

// A record's text in quotes, its control characters escaped so that it stays on its line.
template <std::size_t N>
std::string text(const char (&field)[N]) {
    return "\"" + cli::printable(platform::cp932ToUtf8Lossy(platform::fieldText(field, N))) + "\"";
}

std::string time(unsigned minutes, unsigned seconds) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%u:%02u", minutes, seconds);
    return buffer;
}

std::string bitRate(unsigned kbit) { return kbit == 0xFFFF ? "VBR" : std::to_string(kbit) + " kbit/s"; }

std::string codec(unsigned c) {
    return c == AVT_CODEC_MP3 ? "MP3" : c == AVT_CODEC_WMA ? "WMA" : "codec " + std::to_string(c);
}

template <typename T>
T recordAt(const std::string& bytes, std::size_t offset) {
    T record;
    std::memcpy(&record, bytes.data() + offset, sizeof record);
    return record;
}

// The first `limit` bytes of a regular file (all of it when smaller) and the file's full size;
// 0, or the errno value of the failure.
int readHead(const std::string& path, std::size_t limit, std::string* head, std::uint64_t* size) {
    const int fd = platform::openRegularFile(path.c_str());
    if (fd < 0) return errno;
    struct stat status {};
    int error = ::fstat(fd, &status) == 0 ? 0 : errno;
    *size = static_cast<std::uint64_t>(status.st_size);
    head->resize(static_cast<std::size_t>(*size < limit ? *size : limit));
    std::size_t got = 0;
    while (error == 0 && got < head->size()) {
        const ssize_t n = ::read(fd, head->data() + got, head->size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : EIO;  // shorter than it was a moment ago
        got += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    ::close(fd);
    return error;
}

void printFileHeader(const AVT_FileHeader& h, std::uint64_t actual, std::uint32_t body,
                     Problems& problems) {
    std::printf("file header: name %s, size %u, versions \"%.6s\" \"%.6s\", body offset %u\n",
                text(h.name).c_str(), h.fileSize, h.version, h.version2, h.bodyOffset);
    if (h.fileSize != actual)
        problems.push_back("file header size " + std::to_string(h.fileSize) + " but the file has " +
                           std::to_string(actual) + " bytes");
    if (h.bodyOffset != body)
        problems.push_back("body offset " + std::to_string(h.bodyOffset) + ", expected " +
                           std::to_string(body));
}

void printObjectHeader(const AVT_ObjectHeader& h) {
    std::printf("object header: type %d, size %d, GUID %s", h.type, h.size,
                platform::guidToString(h.guid).c_str());
    if (h.type == AVT_TYPE_STORE_OBJECT)
        std::printf(", objects %u, playlists %u", h.objectCount, h.playlistCount);
    std::printf("\n");
}

void printMasterEntry(const AVT_Mtr_PlTrackInfo& m) {
    if (m.type == AVT_TYPE_PLAYLIST_MASTER) {
        std::printf("entry %u: playlist %u, %s, %u tracks, GUID %s\n", m.entryNo, m.playlistNo,
                    text(m.fileName).c_str(), m.trackNo, platform::guidToString(m.guid).c_str());
    } else {
        std::printf("  entry %u: track %u of playlist %u, %s, %s, GUID %s\n", m.entryNo, m.trackNo,
                    m.playlistNo, text(m.fileName).c_str(), codec(m.codec).c_str(),
                    platform::guidToString(m.guid).c_str());
    }
}

void printPlayListInfo(const AVT_Pl_PlInfo& p) {
    std::printf("playlist: title %s, reading %s, artist %s, artist reading %s, year %s\n",
                text(p.title).c_str(), text(p.titleReading).c_str(), text(p.artist).c_str(),
                text(p.artistReading).c_str(), text(p.releaseYear).c_str());
    std::printf("          %u tracks, %s, genre %u\n", p.trackCount, time(p.minutes, p.seconds).c_str(),
                p.genre);
}

void printDetail(const AVT_Tk_DetailInfo& d) {
    std::printf("detail: track %u, title %s, reading %s, artist %s\n", d.trackNo, text(d.title).c_str(),
                text(d.titleReading).c_str(), text(d.artist).c_str());
    std::printf("        %s, %s, %s, genre %u, DURo %u\n", time(d.minutes, d.seconds).c_str(),
                bitRate(d.bitRate).c_str(), codec(d.codec).c_str(), d.genre, d.duro);
}

void printMood(const AVT_Tk_DistinctInfo& x) {
    std::printf("mood: status %d, values", x.status);
    for (int v : x.mood) std::printf(" %d", v);
    std::printf("\n");
}

// ---- The three unit files ----

bool dumpMasterList(const std::string& head, std::uint64_t size, Problems& problems) {
    if (size > head.size() || (size - kBodyStart) % sizeof(AVT_Mtr_PlTrackInfo) != 0) return false;
    const auto header = recordAt<AVT_ObjectHeader>(head, sizeof(AVT_FileHeader));
    std::printf("master list (AVMTR.PPD), %llu bytes\n", static_cast<unsigned long long>(size));
    printFileHeader(recordAt<AVT_FileHeader>(head, 0), size, 72, problems);
    printObjectHeader(header);
    const std::size_t entries = (size - kBodyStart) / sizeof(AVT_Mtr_PlTrackInfo);
    unsigned playlists = 0;
    for (std::size_t e = 0; e < entries; ++e) {
        const auto m = recordAt<AVT_Mtr_PlTrackInfo>(head, kBodyStart + e * sizeof(AVT_Mtr_PlTrackInfo));
        printMasterEntry(m);
        playlists += m.type == AVT_TYPE_PLAYLIST_MASTER;
        if (m.entryNo != e + 1)
            problems.push_back("entry " + std::to_string(e + 1) + " is numbered " +
                               std::to_string(m.entryNo));
    }
    if (header.objectCount != entries + 1)
        problems.push_back("object count " + std::to_string(header.objectCount) + " but " +
                           std::to_string(entries) + " entries");
    if (header.playlistCount != playlists)
        problems.push_back("playlist count " + std::to_string(header.playlistCount) + " but " +
                           std::to_string(playlists) + " playlist entries");
    return true;
}

bool dumpPlayListFile(const std::string& head, std::uint64_t size, Problems& problems) {
    const std::size_t infoEnd = kBodyStart + sizeof(AVT_Pl_PlInfo);
    if (size > head.size() || size < infoEnd || (size - infoEnd) % sizeof(AVT_Pl_TrackEntry) != 0)
        return false;
    std::printf("playlist file (PLINFO), %llu bytes\n", static_cast<unsigned long long>(size));
    printFileHeader(recordAt<AVT_FileHeader>(head, 0), size, 72, problems);
    printObjectHeader(recordAt<AVT_ObjectHeader>(head, sizeof(AVT_FileHeader)));
    const auto info = recordAt<AVT_Pl_PlInfo>(head, kBodyStart);
    printPlayListInfo(info);
    const std::size_t tracks = (size - infoEnd) / sizeof(AVT_Pl_TrackEntry);
    for (std::size_t j = 0; j < tracks; ++j) {
        const auto t = recordAt<AVT_Pl_TrackEntry>(head, infoEnd + j * sizeof(AVT_Pl_TrackEntry));
        std::printf("track %u: title %s, reading %s, artist %s, %s, %s, genre %u\n", t.trackNo,
                    text(t.title).c_str(), text(t.titleReading).c_str(), text(t.artist).c_str(),
                    time(t.minutes, t.seconds).c_str(), bitRate(t.bitRate).c_str(), t.genre);
    }
    if (info.trackCount != tracks)
        problems.push_back("track count " + std::to_string(info.trackCount) + " but " +
                           std::to_string(tracks) + " track entries");
    return true;
}

bool dumpTrackFile(const std::string& head, std::uint64_t size, Problems& problems) {
    if (size < kTrackDataStart) return false;
    std::printf("track file (TRACK), %llu bytes\n", static_cast<unsigned long long>(size));
    printFileHeader(recordAt<AVT_FileHeader>(head, 0), size, 400, problems);
    printObjectHeader(recordAt<AVT_ObjectHeader>(head, sizeof(AVT_FileHeader)));
    const auto detail = recordAt<AVT_Tk_DetailInfo>(head, kBodyStart);
    printDetail(detail);
    printMood(recordAt<AVT_Tk_DistinctInfo>(head, kBodyStart + sizeof detail));
    const auto data = recordAt<AVT_Tk_DataHeader>(head, 400);
    const std::uint64_t music = size - kTrackDataStart;
    std::printf("music data: type %d, length %u, %llu bytes of %s data\n", data.type, data.length,
                static_cast<unsigned long long>(music), codec(detail.codec).c_str());
    if (data.length != music + 8)
        problems.push_back("data length " + std::to_string(data.length) + " but " +
                           std::to_string(music) + " music bytes follow");
    return true;
}

// ---- Edit data file ----

bool looksLikeEditData(const std::string& head) {
    if (head.size() < 80) return false;
    const auto header = recordAt<AVT_ObjectHeader>(head, 8);
    const auto file = recordAt<AVT_FileHeader>(head, 40);
    return header.type == AVT_TYPE_STORE_OBJECT && header.size == 32 &&
           std::memcmp(file.name, "MtrList", 8) == 0;
}

std::uint64_t editDataSize(const SONGBASE_ST& st) {
    std::uint64_t size = 80;
    for (int i = 0; i < st.header.playlistCount; ++i)
        size += sizeof(Songbase_ListRecord) + st.lists[i]->record.info.trackCount * sizeof(Songbase_Track);
    return size;
}

void dumpEditTrack(const Songbase_Track& t) {
    std::printf("  track %u: %s, title %s, artist %s, %s, %s, %s\n", t.detail.trackNo,
                text(t.master.fileName).c_str(), text(t.detail.title).c_str(),
                text(t.detail.artist).c_str(), time(t.detail.minutes, t.detail.seconds).c_str(),
                bitRate(t.detail.bitRate).c_str(), codec(t.detail.codec).c_str());
    std::printf("    path %s, %u bytes, tag track %u, DURo %u, mood status %d, entry %u\n",
                text(t.path).c_str(), t.fileSize, t.tagTrackNo, t.detail.duro, t.distinct.status,
                t.master.entryNo);
}

bool dumpEditData(const std::string& path, std::uint64_t size) {
    if (!CSongbase::ReadEditData(path.c_str())) return false;
    const SONGBASE_ST& st = CSongbase::MusicData();
    if (editDataSize(st) != size) {
        CSongbase::Release();
        return false;
    }
    std::printf("edit data file, %llu bytes, music files %llu bytes in all\n",
                static_cast<unsigned long long>(size), static_cast<unsigned long long>(st.totalSize));
    printObjectHeader(st.header);
    std::printf("master list: last written size %u\n", st.fileHeader.fileSize);
    for (int i = 0; i < st.header.playlistCount; ++i) {
        const Songbase_List& pl = *st.lists[i];
        std::printf("playlist %u: %s, GUID %s, last written size %u\n", pl.record.master.playlistNo,
                    text(pl.record.master.fileName).c_str(),
                    platform::guidToString(pl.record.master.guid).c_str(), pl.record.fileHeader.fileSize);
        printPlayListInfo(pl.record.info);
        for (int j = 0; j < pl.record.info.trackCount; ++j) dumpEditTrack(*pl.tracks[j]);
    }
    CSongbase::Release();
    return true;
}

// ---- Dispatch ----

bool dumpUnitFile(const std::string& head, std::uint64_t size, Problems& problems) {
    if (head.size() < kBodyStart) return false;
    const auto file = recordAt<AVT_FileHeader>(head, 0);
    const auto object = recordAt<AVT_ObjectHeader>(head, sizeof file);
    if (std::memcmp(file.version, "01.000", 6) != 0) return false;
    const std::string name(platform::fieldText(file.name, sizeof file.name));
    if (name == "MtrList" && object.type == AVT_TYPE_STORE_OBJECT) return dumpMasterList(head, size, problems);
    if (name == "PlInfo" && object.type == AVT_TYPE_PLAYLIST_OBJECT) return dumpPlayListFile(head, size, problems);
    if (name == "TrackData" && object.type == AVT_TYPE_TRACK_OBJECT) return dumpTrackFile(head, size, problems);
    return false;
}

int run(const std::vector<std::string>& args) {
    if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-')) {
        std::fprintf(stderr, "%s", kUsage);
        return cli::kExitUsage;
    }
    const std::string& path = args[0];
    std::string head;
    std::uint64_t size = 0;
    // A master list holds at most 1 + 65 534 entries; every other kind needs only its headers.
    if (const std::string problem = cli::inputProblem(path); !problem.empty()) {
        cli::reportFailure("inspect", path, problem);
        return cli::kExitFailed;
    }
    if (const int error = readHead(path, kBodyStart + 65535 * sizeof(AVT_Mtr_PlTrackInfo), &head,
                                   &size)) {
        cli::reportFailure("inspect", path, cli::systemReason(error));
        return cli::kExitFailed;
    }
    Problems problems;
    const bool known = dumpUnitFile(head, size, problems) ||
                       (looksLikeEditData(head) && dumpEditData(path, size));
    if (!known) {
        cli::reportFailure("inspect", path,
                           cli::tr("not a music database file (AVMTR.PPD, PLINFO, TRACK) or an "
                                   "edit data file"));
        return cli::kExitFailed;
    }
    for (const auto& p : problems) std::printf("problem: %s\n", p.c_str());
    std::fflush(stdout);
    return problems.empty() ? cli::kExitOk : cli::kExitFailed;
}

}  // namespace

HARBROOK_CLI_COMMAND(inspect, "inspect", "inspect FILE",
                     "dump a unit music database file (.PPD) or an edit data file", run);
