#include "EditDataFile.h"

#include "RecordRules.h"

#include <platform/AtomicFile.h>
#include <platform/RegularFile.h>

#include <cstdio>
#include <memory>
#include <new>

namespace songbase {

namespace {

#pragma pack(push, 1)
struct EditDataHeader {
    std::uint64_t totalSize;
    AVT_ObjectHeader header;
    AVT_FileHeader fileHeader;
};
#pragma pack(pop)
static_assert(sizeof(EditDataHeader) == 80);
static_assert(offsetof(EditDataHeader, header) + offsetof(AVT_ObjectHeader, playlistCount) == 34);

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool readExactly(std::FILE* f, void* data, std::size_t size) {
    return std::fread(data, 1, size, f) == size;
}

bool readPlayList(std::FILE* f, Songbase_List& pl) {
    if (!readExactly(f, &pl.record, sizeof pl.record)) return false;
    terminateTextFields(pl.record);
    const int count = pl.record.info.trackCount;
    if (count > kMaxTracksPerList) return false;
    for (int j = 0; j < count; ++j) {
        pl.tracks[j] = new (std::nothrow) Songbase_Track{};
        if (!pl.tracks[j] || !readExactly(f, pl.tracks[j], sizeof(Songbase_Track))) return false;
        terminateTextFields(*pl.tracks[j]);
    }
    return true;
}

}  // namespace

bool EditDataFile::write(const SONGBASE_ST& store, const char* path) {
    if (!path || !*path) return false;
    platform::AtomicFile file(path);
    if (!file.open()) return false;
    const EditDataHeader header{store.totalSize, store.header, store.fileHeader};
    if (!file.write(&header, sizeof header)) return false;
    for (int i = 0; i < store.header.playlistCount && i < kPlayListSlots; ++i) {
        const Songbase_List* pl = store.lists[i];
        if (!pl || !file.write(&pl->record, sizeof pl->record)) return false;
        for (int j = 0; j < pl->record.info.trackCount && j < kMaxTracksPerList; ++j) {
            if (!pl->tracks[j] || !file.write(pl->tracks[j], sizeof(Songbase_Track))) return false;
        }
    }
    return file.commit();
}

bool EditDataFile::read(const char* path, SONGBASE_ST& store) {
    if (!path) return false;
    File file(platform::fopenRegularFile(path));
    if (!file) return false;
    EditDataHeader header;
    if (!readExactly(file.get(), &header, sizeof header)) return false;
    store.totalSize = header.totalSize;
    store.header = header.header;
    store.fileHeader = header.fileHeader;
    terminateTextFields(store.fileHeader);
    const int count = store.header.playlistCount;
    if (count > kMaxPlayLists) return false;
    for (int i = 0; i < count; ++i) {
        store.lists[i] = new (std::nothrow) Songbase_List{};
        if (!store.lists[i] || !readPlayList(file.get(), *store.lists[i])) return false;
    }
    return true;
}

}  // namespace songbase
