// The store itself: playlists and tracks, their numbering, times, counts and GUIDs.
#include <songbase/Songbase.h>

#include "EditDataFile.h"
#include "RecordRules.h"
#include "UnitFileWriter.h"

#include <platform/Guid.h>
#include <soundkit/Soundkit.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

SONGBASE_ST CSongbase::m_MusicData{};
int CSongbase::m_Init = 0;

namespace {

// Sizes never wrap below zero, even when a stored total disagrees with the tracks.
std::uint64_t subtractSize(std::uint64_t total, std::uint32_t size) {
    return total > size ? total - size : 0;
}

void setEmptyStoreHeaders(SONGBASE_ST& st) {
    std::memset(&st.header, 0, sizeof st.header);
    st.header.type = AVT_TYPE_STORE_OBJECT;
    st.header.size = sizeof(AVT_ObjectHeader);
    st.header.objectCount = 1;
    InitFileHeader(&st.fileHeader, "MtrList", 72);
}

void decrement(std::uint16_t& counter) {
    if (counter > 0) --counter;
}

// Numbers a track for its position: detail and master track numbers, playlist number, file name.
// The master entry's codec always follows the detail information.
void numberTrack(Songbase_Track& t, int list, int track) {
    t.master.codec = t.detail.codec;
    t.detail.trackNo = static_cast<std::uint16_t>(track + 1);
    t.master.trackNo = static_cast<std::uint16_t>(track + 1);
    t.master.playlistNo = static_cast<std::uint16_t>(list + 1);
    songbase::setTrackFileName(t.master, list, track);
}

// The record words of a track just added at (list, track) from `path`.
void fillNewTrack(Songbase_Track& t, int list, int track, const char* path) {
    t.master.type = AVT_TYPE_TRACK_MASTER;
    t.master.size = sizeof(AVT_Mtr_PlTrackInfo);
    std::strcpy(t.path, path);
    t.detail.type = AVT_TYPE_TRACK_DETAIL;
    t.detail.size = sizeof(AVT_Tk_DetailInfo);
    t.distinct.type = AVT_TYPE_TRACK_DISTINCT;
    t.distinct.size = sizeof(AVT_Tk_DistinctInfo);
    InitFileHeader(&t.fileHeader, "TrackData", 400);
    numberTrack(t, list, track);
}

void freeTracks(Songbase_List& pl) {
    for (auto*& t : pl.tracks) {
        delete t;
        t = nullptr;
    }
}

}  // namespace

// ---- Lifecycle ----

void CSongbase::Initialize() {
    FreeAll();
    std::memset(&m_MusicData, 0, sizeof m_MusicData);
    setEmptyStoreHeaders(m_MusicData);
    m_Init = 1;
}

void CSongbase::Release() {
    FreeAll();
    m_MusicData.totalSize = 0;
    setEmptyStoreHeaders(m_MusicData);
}

void CSongbase::FreeAll() {
    for (auto*& pl : m_MusicData.lists) {
        if (!pl) continue;
        freeTracks(*pl);
        delete pl;
        pl = nullptr;
    }
}

const SONGBASE_ST& CSongbase::MusicData() { return m_MusicData; }

int CSongbase::IsInitialized() { return m_Init; }

// ---- Bounds ----

Songbase_List* CSongbase::PlayList(int list) {
    if (list < 0 || list >= m_MusicData.header.playlistCount || list >= kPlayListSlots)
        return nullptr;
    return m_MusicData.lists[list];
}

Songbase_List* CSongbase::PlayListOrEnd(int list) {
    if (list < 0 || list > m_MusicData.header.playlistCount || list >= kPlayListSlots)
        return nullptr;
    return m_MusicData.lists[list];
}

Songbase_Track* CSongbase::Track(int list, int track) {
    Songbase_List* pl = PlayList(list);
    if (!pl || track < 0 || track >= pl->record.info.trackCount || track >= kMaxTracksPerList)
        return nullptr;
    return pl->tracks[track];
}

Songbase_Track* CSongbase::TrackOrEnd(int list, int track) {
    Songbase_List* pl = PlayListOrEnd(list);
    if (!pl || track < 0 || track > pl->record.info.trackCount || track >= kMaxTracksPerList)
        return nullptr;
    return pl->tracks[track];
}

// ---- Counters and totals ----

int CSongbase::GetPlayListCount() { return m_MusicData.header.playlistCount; }

int CSongbase::GetTrackCount(const int& list) {
    if (list < 0 || list >= kPlayListSlots || !m_MusicData.lists[list]) return 0;
    return m_MusicData.lists[list]->record.info.trackCount;
}

std::uint64_t CSongbase::GetAllFileSize() { return m_MusicData.totalSize; }

std::uint64_t CSongbase::GetMaxDecodeFileSize() {
    std::uint64_t longest = 0;
    bool any = false;
    for (int i = 0; i < GetPlayListCount(); ++i) {
        const Songbase_List* pl = m_MusicData.lists[i];
        for (int j = 0; pl && j < kMaxTracksPerList && pl->tracks[j]; ++j) {
            const AVT_Tk_DetailInfo& d = pl->tracks[j]->detail;
            longest = std::max<std::uint64_t>(longest, std::uint64_t{d.minutes} * 60 + d.seconds);
            any = true;
        }
    }
    return any ? longest * kPcmByteRate + kWavHeaderSize : 0;
}

// ---- Time and GUID helpers ----

void CSongbase::CalcAddTime(std::uint16_t* min, std::uint16_t* sec, std::uint16_t addMin,
                            std::uint16_t addSec) {
    if (!min || !sec) return;
    auto s = static_cast<std::uint16_t>(*sec + addSec);
    *min = static_cast<std::uint16_t>(*min + s / 60 + addMin);
    *sec = static_cast<std::uint16_t>(s % 60);
}

void CSongbase::CalcDelTime(std::uint16_t* min, std::uint16_t* sec, std::uint16_t delMin,
                            std::uint16_t delSec) {
    if (!min || !sec) return;
    std::uint32_t t = std::uint32_t{*min} * 60 + *sec;
    std::uint32_t d = std::uint32_t{delMin} * 60 + delSec;
    std::uint32_t rest = t < d ? 0 : t - d;
    *min = static_cast<std::uint16_t>(rest / 60);
    *sec = static_cast<std::uint16_t>(rest % 60);
}

void CSongbase::PlayListTime(const Songbase_List& pl, int replaced,
                             const AVT_Tk_DetailInfo* replacement, std::uint16_t* min,
                             std::uint16_t* sec) {
    *min = 0;
    *sec = 0;
    for (int j = 0; j < kMaxTracksPerList && pl.tracks[j]; ++j) {
        const AVT_Tk_DetailInfo& d = (j == replaced && replacement) ? *replacement
                                                                     : pl.tracks[j]->detail;
        CalcAddTime(min, sec, d.minutes, d.seconds);
    }
}

void CSongbase::CreateGuid(unsigned char* out16) {
    if (!out16) return;
    GUID guid = platform::createGuid();
    std::memcpy(out16, &guid, sizeof guid);
}

void CSongbase::SetPlayListGuid(const int& list) {
    if (list < 0 || list >= kPlayListSlots || !m_MusicData.lists[list]) return;
    Songbase_List& pl = *m_MusicData.lists[list];
    GUID guid{};
    CreateGuid(reinterpret_cast<unsigned char*>(&guid));
    pl.record.master.guid = guid;
    for (int j = 0; j < kMaxTracksPerList && pl.tracks[j]; ++j) pl.tracks[j]->master.guid = guid;
}

// ---- Playlists ----

int CSongbase::CreatePlayList(int* newIndex) {
    if (!m_Init) return 0;
    const int index = GetPlayListCount();
    if (index >= kMaxPlayLists || m_MusicData.lists[index]) return 0;
    if (m_MusicData.header.objectCount >= kMaxObjectCount) return 0;
    auto* pl = new (std::nothrow) Songbase_List{};
    if (!pl) return 0;
    m_MusicData.lists[index] = pl;
    if (newIndex) *newIndex = index;
    ++m_MusicData.header.objectCount;
    ++m_MusicData.header.playlistCount;
    InitListRecord(&pl->record);
    pl->record.master.playlistNo = static_cast<std::uint16_t>(index + 1);
    songbase::setPlayListFileName(pl->record.master, index);
    SetPlayListGuid(index);
    return 1;
}

int CSongbase::DestroyPlayList(const int& list) {
    if (!m_Init) return 0;
    Songbase_List* pl = PlayList(list);
    if (!pl) return 0;
    for (auto*& t : pl->tracks) {
        if (!t) continue;
        m_MusicData.totalSize = subtractSize(m_MusicData.totalSize, t->fileSize);
        decrement(m_MusicData.header.objectCount);
        delete t;
        t = nullptr;
    }
    delete pl;
    m_MusicData.lists[list] = nullptr;
    decrement(m_MusicData.header.objectCount);
    decrement(m_MusicData.header.playlistCount);
    for (int i = list; i + 1 < kPlayListSlots && m_MusicData.lists[i + 1]; ++i) {
        m_MusicData.lists[i] = m_MusicData.lists[i + 1];
        m_MusicData.lists[i + 1] = nullptr;
        UpdatePlayList(i);
    }
    return 1;
}

int CSongbase::GetPlayListInfo(const int& list, AVT_Pl_PlInfo** out) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl || !out) return 0;
    *out = &pl->record.info;
    return 1;
}

int CSongbase::SetPlayListInfo(const int& list, const AVT_Pl_PlInfo& info) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl) return 0;
    AVT_Pl_PlInfo& dst = pl->record.info;
    const auto count = dst.trackCount;
    const auto minutes = dst.minutes;
    const auto seconds = dst.seconds;
    std::memmove(&dst, &info, sizeof dst);
    dst.trackCount = count;
    dst.minutes = minutes;
    dst.seconds = seconds;
    songbase::terminateTextFields(pl->record);
    return 1;
}

int CSongbase::GetPlayListMtr(const int& list, AVT_Mtr_PlTrackInfo** out) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl || !out) return 0;
    *out = &pl->record.master;
    return 1;
}

namespace {
// Copies a master entry but keeps what the store maintains: GUID, codec, numbers and file name.
void copyMasterKeepingNumbers(AVT_Mtr_PlTrackInfo& dst, const AVT_Mtr_PlTrackInfo& src) {
    const AVT_Mtr_PlTrackInfo kept = dst;
    std::memmove(&dst, &src, sizeof dst);
    dst.guid = kept.guid;
    dst.codec = kept.codec;
    dst.playlistNo = kept.playlistNo;
    dst.trackNo = kept.trackNo;
    std::memcpy(dst.fileName, kept.fileName, sizeof dst.fileName);
}
}  // namespace

int CSongbase::SetPlayListMtr(const int& list, const AVT_Mtr_PlTrackInfo& mtr) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl) return 0;
    copyMasterKeepingNumbers(pl->record.master, mtr);
    return 1;
}

int CSongbase::GetPlayListData(const int& list, Songbase_List** out) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl || !out) return 0;
    *out = pl;
    return 1;
}

int CSongbase::SetPlayListData(const int& list, const Songbase_List& src) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl) return 0;
    const int srcCount = src.record.info.trackCount;
    if (srcCount > kMaxTracksPerList) return 0;

    // Snapshot src first: it may be a copy whose pointers lead into this very playlist.
    std::unique_ptr<Songbase_Track[]> copies(new (std::nothrow) Songbase_Track[srcCount]);
    if (!copies) return 0;
    std::uint16_t minutes = 0, seconds = 0;
    for (int b = 0; b < srcCount; ++b) {
        if (!src.tracks[b]) return 0;
        copies[b] = *src.tracks[b];
        songbase::terminateTextFields(copies[b]);
        CalcAddTime(&minutes, &seconds, copies[b].detail.minutes, copies[b].detail.seconds);
    }
    if (minutes > kMaxTotalMinutes) return 0;
    Songbase_ListRecord record = src.record;
    songbase::terminateTextFields(record);

    const int oldCount = pl->record.info.trackCount;
    if (m_MusicData.header.objectCount - oldCount + srcCount > kMaxObjectCount) return 0;
    // Allocate the new records before touching anything, so running out of memory changes nothing.
    std::unique_ptr<Songbase_Track> fresh[kMaxTracksPerList];
    for (int b = oldCount; b < srcCount; ++b) {
        fresh[b].reset(new (std::nothrow) Songbase_Track{});
        if (!fresh[b]) return 0;
    }

    for (int b = 0; b < std::max(oldCount, srcCount); ++b) {
        Songbase_Track*& slot = pl->tracks[b];
        if (slot) m_MusicData.totalSize = subtractSize(m_MusicData.totalSize, slot->fileSize);
        if (b < srcCount) {
            if (!slot) {
                slot = fresh[b].release();
                ++m_MusicData.header.objectCount;
            }
            *slot = copies[b];
            m_MusicData.totalSize += slot->fileSize;
        } else {
            delete slot;
            slot = nullptr;
            decrement(m_MusicData.header.objectCount);
        }
    }
    pl->record = record;
    UpdatePlayList(list);
    return 1;
}

int CSongbase::InsertPlayListData(const int& list, const Songbase_List& src) {
    if (!m_Init) return 0;
    const int count = GetPlayListCount();
    if (count >= kMaxPlayLists || list < 0 || list > count) return 0;
    int index = 0;
    if (!CreatePlayList(&index)) return 0;
    for (int k = index; k > list; --k) {
        std::swap(m_MusicData.lists[k - 1], m_MusicData.lists[k]);
        UpdatePlayList(k);
    }
    if (SetPlayListData(list, src)) return 1;
    DestroyPlayList(list);  // a failed insert leaves no empty playlist behind
    return 0;
}

int CSongbase::ChangePlayListOrder(const int& a, const int& b) {
    if (!m_Init || !PlayList(a) || !PlayList(b)) return 0;
    std::swap(m_MusicData.lists[a], m_MusicData.lists[b]);
    UpdatePlayList(a);
    if (a != b) UpdatePlayList(b);
    return 1;
}

int CSongbase::UpdatePlayList(const int& list) {
    if (list < 0 || list >= kPlayListSlots || !m_MusicData.lists[list]) return 0;
    Songbase_List& pl = *m_MusicData.lists[list];
    pl.record.master.playlistNo = static_cast<std::uint16_t>(list + 1);
    songbase::setPlayListFileName(pl.record.master, list);
    int j = 0;
    for (; j < kMaxTracksPerList && pl.tracks[j]; ++j) numberTrack(*pl.tracks[j], list, j);
    pl.record.info.trackCount = static_cast<std::uint16_t>(j);
    pl.record.master.trackNo = static_cast<std::uint16_t>(j);
    PlayListTime(pl, -1, nullptr, &pl.record.info.minutes, &pl.record.info.seconds);
    SetPlayListGuid(list);
    return 1;
}

// ---- Tracks ----

int CSongbase::SetTrackInfo(const int& list, const int& track, const char* path) {
    return path ? AddTrack(list, track, path) : DeleteTrack(list, track);
}

int CSongbase::AddTrack(int list, int track, const char* path) {
    Songbase_List* pl = m_Init ? PlayListOrEnd(list) : nullptr;
    if (!pl) return 0;
    const int count = pl->record.info.trackCount;
    if (track < 0 || track > count || track >= kMaxTracksPerList || pl->tracks[track]) return 0;
    if (std::strlen(path) >= sizeof(Songbase_Track::path)) return 0;
    if (m_MusicData.header.objectCount >= kMaxObjectCount) return 0;
    auto* t = new (std::nothrow) Songbase_Track{};
    if (!t) return 0;

    AVT_Pl_PlInfo& info = pl->record.info;
    if (*path) {
        AVT_Tk_DetailInfo detail{};
        unsigned short tagTrackNo = 0;
        std::uint32_t fileSize = 0;
        std::uint16_t minutes = info.minutes, seconds = info.seconds;
        if (CSoundkit().GetInfo(path, &detail, &tagTrackNo, &fileSize))
            CalcAddTime(&minutes, &seconds, detail.minutes, detail.seconds);
        else
            minutes = kMaxTotalMinutes + 1;
        if (minutes > kMaxTotalMinutes) {
            delete t;
            return 0;
        }
        t->detail = detail;
        t->fileSize = fileSize;
        t->tagTrackNo = tagTrackNo;
        m_MusicData.totalSize += fileSize;
    }
    pl->tracks[track] = t;
    ++m_MusicData.header.objectCount;
    ++info.trackCount;
    ++pl->record.master.trackNo;
    CalcAddTime(&info.minutes, &info.seconds, t->detail.minutes, t->detail.seconds);
    fillNewTrack(*t, list, track, path);
    SetPlayListGuid(list);
    return 1;
}

int CSongbase::DeleteTrack(int list, int track) {
    Songbase_Track* t = m_Init ? TrackOrEnd(list, track) : nullptr;
    if (!t) return 0;
    Songbase_List& pl = *m_MusicData.lists[list];
    m_MusicData.totalSize = subtractSize(m_MusicData.totalSize, t->fileSize);
    decrement(m_MusicData.header.objectCount);
    decrement(pl.record.info.trackCount);
    decrement(pl.record.master.trackNo);
    CalcDelTime(&pl.record.info.minutes, &pl.record.info.seconds, t->detail.minutes,
                t->detail.seconds);
    delete t;
    int i = track;
    for (; i + 1 < kMaxTracksPerList && pl.tracks[i + 1]; ++i) {
        pl.tracks[i] = pl.tracks[i + 1];
        pl.tracks[i + 1] = nullptr;
        numberTrack(*pl.tracks[i], list, i);
    }
    pl.tracks[i] = nullptr;
    SetPlayListGuid(list);
    return 1;
}

int CSongbase::GetTrackData(const int& list, const int& track, Songbase_Track** out) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t || !out) return 0;
    *out = t;
    return 1;
}

int CSongbase::SetTrackData(const int& list, const int& track, const Songbase_Track& src) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t) return 0;
    Songbase_List& pl = *m_MusicData.lists[list];
    std::uint16_t minutes = 0, seconds = 0;
    PlayListTime(pl, track, &src.detail, &minutes, &seconds);
    if (minutes > kMaxTotalMinutes) return 0;  // the user's track stays as it was
    m_MusicData.totalSize = subtractSize(m_MusicData.totalSize, t->fileSize);
    std::memmove(t, &src, sizeof *t);
    songbase::terminateTextFields(*t);
    m_MusicData.totalSize += t->fileSize;
    UpdatePlayList(list);
    return 1;
}

int CSongbase::InsertTrackData(const int& list, const int& track, const Songbase_Track& src) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl) return 0;
    const int count = pl->record.info.trackCount;
    if (count >= kMaxTracksPerList || track < 0 || track > count) return 0;
    std::uint16_t minutes = pl->record.info.minutes, seconds = pl->record.info.seconds;
    CalcAddTime(&minutes, &seconds, src.detail.minutes, src.detail.seconds);
    if (minutes > kMaxTotalMinutes) return 0;
    // Copy src now: it may be one of this playlist's own tracks.
    const Songbase_Track copy = src;
    if (!AddTrack(list, count, "")) return 0;
    for (int k = count; k > track; --k) std::swap(pl->tracks[k - 1], pl->tracks[k]);
    if (SetTrackData(list, track, copy)) return 1;
    DeleteTrack(list, track);  // remove our own placeholder again
    return 0;
}

int CSongbase::GetTrackInfo(const int& list, const int& track, AVT_Tk_DetailInfo** out) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t || !out) return 0;
    *out = &t->detail;
    return 1;
}

int CSongbase::SetTrackInfo(const int& list, const int& track, const AVT_Tk_DetailInfo& info) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t) return 0;
    Songbase_List& pl = *m_MusicData.lists[list];
    std::uint16_t minutes = 0, seconds = 0;
    PlayListTime(pl, track, &info, &minutes, &seconds);
    if (minutes > kMaxTotalMinutes) return 0;
    const auto trackNo = t->detail.trackNo;
    std::memmove(&t->detail, &info, sizeof t->detail);
    t->detail.trackNo = trackNo;
    t->master.codec = t->detail.codec;
    songbase::terminateTextFields(*t);
    pl.record.info.minutes = minutes;
    pl.record.info.seconds = seconds;
    return 1;
}

int CSongbase::GetTrackMtr(const int& list, const int& track, AVT_Mtr_PlTrackInfo** out) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t || !out) return 0;
    *out = &t->master;
    return 1;
}

int CSongbase::SetTrackMtr(const int& list, const int& track, const AVT_Mtr_PlTrackInfo& mtr) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t) return 0;
    copyMasterKeepingNumbers(t->master, mtr);
    return 1;
}

int CSongbase::GetDURoInfo(const int& list, const int& track, AVT_Tk_DistinctInfo** out) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t || !out) return 0;
    *out = &t->distinct;
    return 1;
}

int CSongbase::SetDURoInfo(const int& list, const int& track, const AVT_Tk_DistinctInfo& info) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t) return 0;
    std::memmove(&t->distinct, &info, sizeof t->distinct);
    return 1;
}

int CSongbase::GetTrackFullPath(const int& list, const int& track, char** out) {
    Songbase_Track* t = m_Init ? TrackOrEnd(list, track) : nullptr;
    if (!t || !out) return 0;
    *out = t->path;
    return 1;
}

int CSongbase::SetTrackFullPath(const int& list, const int& track, const char& path) {
    Songbase_Track* t = m_Init ? TrackOrEnd(list, track) : nullptr;
    if (!t) return 0;
    const std::size_t length = ::strnlen(&path, sizeof t->path);
    if (length >= sizeof t->path) return 0;
    char copy[sizeof t->path] = {};
    std::memcpy(copy, &path, length);
    std::memcpy(t->path, copy, sizeof t->path);
    return 1;
}

int CSongbase::GetTagTrackNo(const int& list, const int& track) {
    Songbase_Track* t = m_Init ? TrackOrEnd(list, track) : nullptr;
    return t ? t->tagTrackNo : 0;
}

int CSongbase::ChangeTrackOrder(const int& list, const int& a, const int& b) {
    if (!m_Init || !Track(list, a) || !Track(list, b)) return 0;
    Songbase_List& pl = *m_MusicData.lists[list];
    std::swap(pl.tracks[a], pl.tracks[b]);
    UpdatePlayList(list);
    return 1;
}

// ---- Edit data file ----

int CSongbase::ReadEditData(const char* fileName) {
    Release();
    if (songbase::EditDataFile::read(fileName, m_MusicData)) return 1;
    Release();
    return 0;
}

int CSongbase::WriteEditData(const char* fileName) {
    return songbase::EditDataFile::write(m_MusicData, fileName) ? 1 : 0;
}

// ---- Unit music database files ----

int CSongbase::WriteAVMTR(const char* folder, platform::Event* cancelEvent) {
    if (!m_Init || !folder) return 0;
    CreateGuid(reinterpret_cast<unsigned char*>(&m_MusicData.header.guid));
    return songbase::UnitFileWriter::writeMasterList(m_MusicData, folder, cancelEvent) ? 1 : 0;
}

int CSongbase::WritePLINFO(const char* folder, const int& list, platform::Event* cancelEvent) {
    Songbase_List* pl = m_Init ? PlayList(list) : nullptr;
    if (!pl || !folder) return 0;
    return songbase::UnitFileWriter::writePlayList(*pl, folder, cancelEvent) ? 1 : 0;
}

int CSongbase::WriteTRACK(const char* folder, const int& list, const int& track,
                          platform::Event* cancelEvent) {
    Songbase_Track* t = m_Init ? Track(list, track) : nullptr;
    if (!t || !folder) return 0;
    return songbase::UnitFileWriter::writeTrack(*t, folder, cancelEvent) ? 1 : 0;
}

int CSongbase::WriteMusicData(const char* folder, platform::Event* cancelEvent) {
    if (!WriteAVMTR(folder, cancelEvent)) return 0;
    for (int i = 0; i < GetPlayListCount(); ++i) {
        if (!WritePLINFO(folder, i, cancelEvent)) return 0;
        for (int j = 0; j < GetTrackCount(i); ++j)
            if (!WriteTRACK(folder, i, j, cancelEvent)) return 0;
    }
    return 1;
}

std::uint64_t CSongbase::GetTransFileSize(const char* destination) {
    return songbase::UnitFileWriter::transFileSize(m_MusicData, destination);
}
