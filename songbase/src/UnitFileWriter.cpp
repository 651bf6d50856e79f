#include "UnitFileWriter.h"

#include "RecordRules.h"
#include "UnitFile.h"

#include <outside/Fileaid.h>
#include <platform/RegularFile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace songbase {

namespace {

constexpr std::uint64_t kObjectEnd = sizeof(AVT_FileHeader) + sizeof(AVT_ObjectHeader);  // 72
constexpr std::uint64_t kTrackBodyEnd = 400 + sizeof(AVT_Tk_DataHeader);                  // 408

// The unit file's path, or empty when the stored name is not a plain file name.
std::string unitPath(const std::string& folder, const AVT_Mtr_PlTrackInfo& master) {
    std::string_view name = unitFileName(master);
    return name.empty() ? std::string() : folder + std::string(name);
}

AVT_ObjectHeader objectHeader(AVT_RecordType type, const GUID& guid) {
    AVT_ObjectHeader header;
    std::memset(&header, 0, sizeof header);
    header.type = type;
    header.size = sizeof header;
    header.guid = guid;
    return header;
}

template <std::size_t N, std::size_t M>
void copyText(char (&dst)[N], const char (&src)[M]) {
    static_assert(N == M);
    std::memcpy(dst, src, ::strnlen(src, M - 1));
}

AVT_Pl_TrackEntry trackEntry(const AVT_Tk_DetailInfo& detail) {
    AVT_Pl_TrackEntry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.type = AVT_TYPE_PLAYLIST_TRACK;
    entry.size = sizeof entry;
    entry.trackNo = detail.trackNo;
    entry.genre = detail.genre;
    entry.minutes = detail.minutes;
    entry.seconds = detail.seconds;
    entry.bitRate = detail.bitRate;
    copyText(entry.title, detail.title);
    copyText(entry.titleReading, detail.titleReading);
    copyText(entry.artist, detail.artist);
    return entry;
}

// Counts playlists and tracks; false when a playlist slot below the count is empty.
bool countObjects(const SONGBASE_ST& store, int* objects) {
    int count = 1;
    for (int i = 0; i < store.header.playlistCount; ++i) {
        const Songbase_List* pl = i < kPlayListSlots ? store.lists[i] : nullptr;
        if (!pl) return false;
        count += 1 + pl->record.info.trackCount;
    }
    if (count > kMaxObjectCount) return false;
    *objects = count;
    return true;
}

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

std::uint64_t rounded(const char* destination, std::uint64_t size) {
    return destination ? CFileaid::GetSizeOnDisk(destination, size) : size;
}

}  // namespace

bool UnitFileWriter::writeMasterList(SONGBASE_ST& store, const std::string& folder,
                                     platform::Event* cancel) {
    int objects = 0;
    if (!countObjects(store, &objects)) return false;
    store.header.objectCount = static_cast<std::uint16_t>(objects);
    UnitFile file(cancel);
    if (!file.create(folder + "AVMTR.PPD") || !file.write(&store.header, sizeof store.header))
        return false;
    std::uint16_t entryNo = 0;
    for (int i = 0; i < store.header.playlistCount; ++i) {
        Songbase_List& pl = *store.lists[i];
        pl.record.master.entryNo = ++entryNo;
        if (!file.write(&pl.record.master, sizeof pl.record.master)) return false;
        for (int j = 0; j < pl.record.info.trackCount; ++j) {
            Songbase_Track* t = pl.tracks[j];
            if (!t) return false;
            t->master.entryNo = ++entryNo;
            if (!file.write(&t->master, sizeof t->master)) return false;
        }
    }
    return file.finish(store.fileHeader);
}

bool UnitFileWriter::writePlayList(Songbase_List& pl, const std::string& folder,
                                   platform::Event* cancel) {
    const std::string path = unitPath(folder, pl.record.master);
    if (path.empty()) return false;
    UnitFile file(cancel);
    const AVT_ObjectHeader header = objectHeader(AVT_TYPE_PLAYLIST_OBJECT, pl.record.master.guid);
    if (!file.create(path) || !file.write(&header, sizeof header) ||
        !file.write(&pl.record.info, sizeof pl.record.info))
        return false;
    for (int j = 0; j < pl.record.info.trackCount; ++j) {
        if (!pl.tracks[j]) return false;
        const AVT_Pl_TrackEntry entry = trackEntry(pl.tracks[j]->detail);
        if (!file.write(&entry, sizeof entry)) return false;
    }
    return file.finish(pl.record.fileHeader);
}

bool UnitFileWriter::writeTrack(Songbase_Track& track, const std::string& folder,
                                platform::Event* cancel) {
    const std::string path = unitPath(folder, track.master);
    if (path.empty()) return false;
    UnitFile file(cancel);
    if (file.cancelled()) return false;
    Descriptor source{platform::openRegularFile(track.path)};
    struct stat info;
    if (source.fd < 0 || ::fstat(source.fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size + kTrackBodyEnd > UINT32_MAX) return false;
    ::posix_fadvise(source.fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    const AVT_ObjectHeader header = objectHeader(AVT_TYPE_TRACK_OBJECT, track.master.guid);
    const AVT_Tk_DataHeader data{AVT_TYPE_TRACK_DATA, static_cast<std::uint32_t>(size + 8)};
    return file.create(path) && file.write(&header, sizeof header) &&
           file.write(&track.detail, sizeof track.detail) &&
           file.write(&track.distinct, sizeof track.distinct) && file.write(&data, sizeof data) &&
           file.copyFrom(source.fd, size) && file.finish(track.fileHeader);
}

std::uint64_t UnitFileWriter::transFileSize(const SONGBASE_ST& store, const char* destination) {
    std::uint64_t master = kObjectEnd;
    std::uint64_t total = 0;
    for (int i = 0; i < store.header.playlistCount && i < kPlayListSlots; ++i) {
        const Songbase_List* pl = store.lists[i];
        if (!pl) break;
        master += sizeof(AVT_Mtr_PlTrackInfo);
        std::uint64_t playList = kObjectEnd + sizeof(AVT_Pl_PlInfo);
        for (int j = 0; j < pl->record.info.trackCount && pl->tracks[j]; ++j) {
            master += sizeof(AVT_Mtr_PlTrackInfo);
            playList += sizeof(AVT_Pl_TrackEntry);
            total += rounded(destination, kTrackBodyEnd + pl->tracks[j]->fileSize);
        }
        total += rounded(destination, playList);
    }
    return total + rounded(destination, master);
}

}  // namespace songbase
