#pragma once
// Songbase: the process-wide music data store. Up to 999 playlists of up to 99 tracks, the
// bookkeeping the unit's music database needs, the PC-side edit data file and the unit's .PPD
// files. All members are static: there is one store per process, touched from the UI thread only.
// Results: 1 success, 0 failure; a failure leaves the store unchanged unless stated otherwise.
// Indices are 0-based.
#include <songbase/Export.h>
#include <songbase/Records.h>

#include <cstdint>

namespace platform {
class Event;
}

constexpr int kMaxPlayLists = 999;
constexpr int kPlayListSlots = 1000;
// Playlist and track times are capped at 999 min 59 s.
constexpr int kMaxTotalMinutes = 999;
// The store's object count is a 16-bit field of the master list: 1 + playlists + tracks.
constexpr int kMaxObjectCount = 65535;
// Byte rate of 44.1 kHz 16-bit stereo PCM, for the largest WAV a decode can produce.
constexpr std::uint64_t kPcmByteRate = 176400;

// The store block: playlist slots 0..count-1 in use and contiguous, the total size of all music
// files, and the master list's own object and file headers.
struct SONGBASE_ST {
    Songbase_List* lists[kPlayListSlots];
    std::uint64_t totalSize;
    AVT_ObjectHeader header;      // type 1; playlistCount is the authoritative playlist count
    AVT_FileHeader fileHeader;    // "MtrList", body offset 72
};

class SONGBASE_API CSongbase {
public:
    CSongbase() = delete;

    // --- Lifecycle ---
    // Zeroes the store, sets the empty master list headers and marks the store initialised.
    static void Initialize();
    // Frees every playlist and track and returns to the empty store (the initialised flag stays).
    static void Release();
    // Read-only view of the whole store block (headers, total size, slots).
    static const SONGBASE_ST& MusicData();
    // Nonzero once Initialize has run.
    static int IsInitialized();

    // --- Counters and totals (need no Initialize) ---
    // The number of playlists.
    static int GetPlayListCount();
    // The playlist's track count; 0 for an index out of range or an empty slot.
    static int GetTrackCount(const int& list);
    // Sum of all tracks' music file sizes.
    static std::uint64_t GetAllFileSize();
    // Size of the largest WAV file (header included) that decoding one stored track can give.
    static std::uint64_t GetMaxDecodeFileSize();

    // --- Playlists ---
    // Appends an empty playlist with a fresh GUID; its index goes to *newIndex (when not null).
    static int CreatePlayList(int* newIndex);
    // Removes a playlist with its tracks; the following playlists move up and are renumbered.
    static int DestroyPlayList(const int& list);
    // Pointer to the playlist's information inside the store.
    static int GetPlayListInfo(const int& list, AVT_Pl_PlInfo** out);
    // Copies the information; the store-kept track count and total time stay.
    static int SetPlayListInfo(const int& list, const AVT_Pl_PlInfo& info);
    // Pointer to the playlist's master list entry.
    static int GetPlayListMtr(const int& list, AVT_Mtr_PlTrackInfo** out);
    // Copies the master entry; the store-kept GUID, numbers and file name stay.
    static int SetPlayListMtr(const int& list, const AVT_Mtr_PlTrackInfo& mtr);
    // Pointer to the whole playlist record.
    static int GetPlayListData(const int& list, Songbase_List** out);
    // Replaces the playlist's tracks and records with copies of src's, then renumbers it.
    static int SetPlayListData(const int& list, const Songbase_List& src);
    // Inserts a copy of src as a new playlist at position list (0 <= list <= count).
    static int InsertPlayListData(const int& list, const Songbase_List& src);
    // Swaps two playlists and renumbers both.
    static int ChangePlayListOrder(const int& a, const int& b);
    // Renumbers and re-times the playlist and gives it a fresh GUID; 0 for an empty slot.
    static int UpdatePlayList(const int& list);

    // --- Tracks ---
    // Pointer to the whole track record.
    static int GetTrackData(const int& list, const int& track, Songbase_Track** out);
    // Replaces the track record with a copy of src and renumbers the playlist. Fails, leaving the
    // track as it was, when the playlist would run over 999 minutes.
    static int SetTrackData(const int& list, const int& track, const Songbase_Track& src);
    // Inserts a copy of src at position track (0 <= track <= count).
    static int InsertTrackData(const int& list, const int& track, const Songbase_Track& src);
    // With a path: adds a track at the end slot `track` from a music file (an empty path adds an
    // empty placeholder). With null: deletes the track and moves the following ones up.
    static int SetTrackInfo(const int& list, const int& track, const char* path);
    // Pointer to the track's detail information (tags, time, codec, DURo flag).
    static int GetTrackInfo(const int& list, const int& track, AVT_Tk_DetailInfo** out);
    // Copies the detail information (the track number stays) and re-times the playlist; fails
    // when the playlist would run over 999 minutes.
    static int SetTrackInfo(const int& list, const int& track, const AVT_Tk_DetailInfo& info);
    // Pointer to the track's master list entry.
    static int GetTrackMtr(const int& list, const int& track, AVT_Mtr_PlTrackInfo** out);
    // Copies the master entry; the store-kept GUID, codec, numbers and file name stay.
    static int SetTrackMtr(const int& list, const int& track, const AVT_Mtr_PlTrackInfo& mtr);
    // Pointer to the track's mood result (distinct information).
    static int GetDURoInfo(const int& list, const int& track, AVT_Tk_DistinctInfo** out);
    // Copies the mood result.
    static int SetDURoInfo(const int& list, const int& track, const AVT_Tk_DistinctInfo& info);
    // Pointer to the track's full path (a 260-byte field); fails for a null out.
    static int GetTrackFullPath(const int& list, const int& track, char** out);
    // Copies the NUL-terminated string starting at `path`; fails when it does not fit 259 bytes.
    static int SetTrackFullPath(const int& list, const int& track, const char& path);
    // The track number from the file's tag; 0 when the track does not exist.
    static int GetTagTrackNo(const int& list, const int& track);
    // Swaps two tracks of one playlist and renumbers it.
    static int ChangeTrackOrder(const int& list, const int& a, const int& b);

    // --- Edit data file (the PC-side save file) ---
    // Replaces the store with the file's content; on failure the store is left empty.
    static int ReadEditData(const char* fileName);
    // Saves the store; an existing file is replaced only once the new one is complete.
    static int WriteEditData(const char* fileName);

    // --- Unit music database files; `folder` ends with '/', `cancelEvent` may be null ---
    // Writes AVMTR.PPD with a fresh store GUID and the entry numbers.
    static int WriteAVMTR(const char* folder, platform::Event* cancelEvent);
    // Writes the playlist's PLINFO file.
    static int WritePLINFO(const char* folder, const int& list, platform::Event* cancelEvent);
    // Writes the track's TRACK file, carrying its music file streamed in chunks.
    static int WriteTRACK(const char* folder, const int& list, const int& track,
                          platform::Event* cancelEvent);
    // Writes AVMTR.PPD, then each playlist's PLINFO file and TRACK files; stops at a failure.
    static int WriteMusicData(const char* folder, platform::Event* cancelEvent);
    // Total size of all unit files; with a destination, each rounded to its size on that drive.
    static std::uint64_t GetTransFileSize(const char* destination);

private:
    static void CreateGuid(unsigned char* out16);
    static void SetPlayListGuid(const int& list);
    static void CalcAddTime(std::uint16_t* min, std::uint16_t* sec, std::uint16_t addMin,
                            std::uint16_t addSec);
    static void CalcDelTime(std::uint16_t* min, std::uint16_t* sec, std::uint16_t delMin,
                            std::uint16_t delSec);

    // Bounds helpers: the strict forms need index < count, the OrEnd forms allow the position
    // one past the end (which then holds no record).
    static Songbase_List* PlayList(int list);
    static Songbase_List* PlayListOrEnd(int list);
    static Songbase_Track* Track(int list, int track);
    static Songbase_Track* TrackOrEnd(int list, int track);
    // Total time of the playlist's tracks, with `replacement` standing in for track `replaced`.
    static void PlayListTime(const Songbase_List& pl, int replaced,
                             const AVT_Tk_DetailInfo* replacement, std::uint16_t* min,
                             std::uint16_t* sec);
    static int AddTrack(int list, int track, const char* path);
    static int DeleteTrack(int list, int track);
    static void FreeAll();

    static SONGBASE_ST m_MusicData;
    static int m_Init;
};
