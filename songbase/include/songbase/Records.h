#pragma once
// The music records shared by Soundkit, Songbase and the program. Their layout is a file format:
// the edit data file and the unit's .PPD files hold these bytes verbatim. All integers are
// little-endian, records are packed, text fields are NUL-terminated CP932 zero-filled behind the
// terminator.
#include <platform/Guid.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

using platform::GUID;

// Record type words (first word of every record that goes into a unit file).
enum AVT_RecordType : std::int32_t {
    AVT_TYPE_STORE_OBJECT = 1,
    AVT_TYPE_PLAYLIST_OBJECT = 2,
    AVT_TYPE_TRACK_OBJECT = 3,
    AVT_TYPE_PLAYLIST_MASTER = 4,
    AVT_TYPE_TRACK_MASTER = 5,
    AVT_TYPE_PLAYLIST_INFO = 6,
    AVT_TYPE_PLAYLIST_TRACK = 7,
    AVT_TYPE_TRACK_DETAIL = 8,
    AVT_TYPE_TRACK_DISTINCT = 9,
    AVT_TYPE_TRACK_DATA = 10,
};

enum AVT_Codec : std::uint16_t { AVT_CODEC_MP3 = 1, AVT_CODEC_WMA = 2 };

constexpr int kMoodWordCount = 38;
constexpr std::int32_t kMoodStatusSuccess = 3328;

#pragma pack(push, 1)

struct AVT_FileHeader {
    char name[12];              // "MtrList", "PlInfo" or "TrackData"
    std::uint32_t fileSize;     // filled in when the file is written
    char version[6];            // "01.000", no terminator
    char version2[6];           // "01.000", no terminator
    std::uint32_t bodyOffset;   // 72 for MtrList and PlInfo, 400 for TrackData
    std::uint8_t reserved[8];
};

struct AVT_ObjectHeader {
    std::int32_t type;          // 1 store, 2 playlist, 3 track
    std::int32_t size;          // 32
    GUID guid;
    std::uint16_t objectCount;  // store only: 1 + playlists + tracks
    std::uint16_t playlistCount;  // store only
    std::uint32_t reserved;
};

struct AVT_Tk_DetailInfo {
    std::int32_t type;          // 8
    std::int32_t size;          // 160
    std::uint16_t trackNo;      // 1-based within its playlist
    std::uint16_t genre;
    std::uint16_t minutes;
    std::uint16_t seconds;      // 0-59
    std::uint16_t bitRate;      // kbit/s, 0xFFFF for variable
    std::uint16_t codec;        // AVT_Codec
    std::uint16_t duro;         // 1 when the distinct information holds a mood result
    char title[33];
    char titleReading[65];
    char artist[33];
    std::uint8_t reserved[7];
};

struct AVT_Tk_DistinctInfo {
    std::int32_t type;          // 9
    std::int32_t size;          // 168
    std::int32_t mood[kMoodWordCount];
    std::int32_t status;        // analysis status, 3328 on success
    std::int32_t reserved;
};

struct AVT_Pl_PlInfo {
    std::int32_t type;          // 6
    std::int32_t size;          // 224
    std::uint16_t trackCount;   // authoritative track count
    std::uint16_t genre;
    std::uint16_t reserved1;
    std::uint16_t minutes;      // total, at most 999
    std::uint16_t seconds;      // 0-59
    std::uint16_t reserved2;
    char title[33];
    char titleReading[65];
    char artist[33];
    char artistReading[65];
    char releaseYear[8];
};

struct AVT_Mtr_PlTrackInfo {
    std::int32_t type;          // 4 playlist, 5 track
    std::int32_t size;          // 80
    GUID guid;                  // the playlist's GUID (a track carries its playlist's)
    std::uint16_t entryNo;      // 1-based position in the master list file
    std::uint16_t codec;        // track: codec; playlist: 0
    std::uint16_t playlistNo;   // 1-based
    std::uint16_t trackNo;      // track: track number; playlist: number of tracks
    char fileName[48];          // "PLINFO%03d.PPD" or "TRACK%03d_%02d.PPD"
};

struct Songbase_Track {
    char path[260];             // full path of the music file
    std::uint32_t fileSize;
    std::uint16_t tagTrackNo;   // track number from the file's tag, 0 when absent
    AVT_Tk_DetailInfo detail;
    AVT_Tk_DistinctInfo distinct;
    AVT_Mtr_PlTrackInfo master;  // type 5
    AVT_FileHeader fileHeader;   // "TrackData", body offset 400
    std::uint8_t padding[2];
};

// The part of a playlist that the edit data file stores verbatim (344 bytes).
struct Songbase_ListRecord {
    AVT_Pl_PlInfo info;
    AVT_Mtr_PlTrackInfo master;  // type 4
    AVT_FileHeader fileHeader;   // "PlInfo", body offset 72
};

// One track's entry in a playlist's PLINFO file (160 bytes), built from its detail information.
struct AVT_Pl_TrackEntry {
    std::int32_t type;          // 7
    std::int32_t size;          // 160
    std::uint16_t trackNo;
    std::uint16_t genre;
    std::uint16_t minutes;
    std::uint16_t seconds;
    std::uint16_t bitRate;      // kbit/s, 0xFFFF for variable
    std::uint16_t reserved1;
    char title[33];
    char titleReading[65];
    char artist[33];
    std::uint8_t reserved2[9];
};

// Precedes the music file's bytes in a TRACK file: type 10, then the data length + 8.
struct AVT_Tk_DataHeader {
    std::int32_t type;          // 10
    std::uint32_t length;       // music file size + 8
};

#pragma pack(pop)

constexpr int kMaxTracksPerList = 99;

// One playlist in memory. The track pointers are native pointers (the record part keeps the file
// layout); slots 0..count-1 are in use and contiguous, the rest null.
struct Songbase_List {
    Songbase_Track* tracks[kMaxTracksPerList];
    Songbase_ListRecord record;
};

// Layout checks: these records are a file format.
#define AVT_CHECK_OFFSET(type, field, offset) static_assert(offsetof(type, field) == (offset))

static_assert(sizeof(AVT_FileHeader) == 40);
AVT_CHECK_OFFSET(AVT_FileHeader, fileSize, 12);
AVT_CHECK_OFFSET(AVT_FileHeader, version, 16);
AVT_CHECK_OFFSET(AVT_FileHeader, version2, 22);
AVT_CHECK_OFFSET(AVT_FileHeader, bodyOffset, 28);
AVT_CHECK_OFFSET(AVT_FileHeader, reserved, 32);

static_assert(sizeof(AVT_ObjectHeader) == 32);
AVT_CHECK_OFFSET(AVT_ObjectHeader, guid, 8);
AVT_CHECK_OFFSET(AVT_ObjectHeader, objectCount, 24);
AVT_CHECK_OFFSET(AVT_ObjectHeader, playlistCount, 26);
AVT_CHECK_OFFSET(AVT_ObjectHeader, reserved, 28);

static_assert(sizeof(AVT_Tk_DetailInfo) == 160);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, trackNo, 8);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, genre, 10);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, minutes, 12);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, seconds, 14);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, bitRate, 16);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, codec, 18);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, duro, 20);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, title, 22);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, titleReading, 55);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, artist, 120);
AVT_CHECK_OFFSET(AVT_Tk_DetailInfo, reserved, 153);

static_assert(sizeof(AVT_Tk_DistinctInfo) == 168);
AVT_CHECK_OFFSET(AVT_Tk_DistinctInfo, mood, 8);
AVT_CHECK_OFFSET(AVT_Tk_DistinctInfo, status, 160);
AVT_CHECK_OFFSET(AVT_Tk_DistinctInfo, reserved, 164);

static_assert(sizeof(AVT_Pl_PlInfo) == 224);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, trackCount, 8);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, genre, 10);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, reserved1, 12);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, minutes, 14);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, seconds, 16);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, reserved2, 18);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, title, 20);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, titleReading, 53);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, artist, 118);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, artistReading, 151);
AVT_CHECK_OFFSET(AVT_Pl_PlInfo, releaseYear, 216);

static_assert(sizeof(AVT_Mtr_PlTrackInfo) == 80);
AVT_CHECK_OFFSET(AVT_Mtr_PlTrackInfo, guid, 8);
AVT_CHECK_OFFSET(AVT_Mtr_PlTrackInfo, entryNo, 24);
AVT_CHECK_OFFSET(AVT_Mtr_PlTrackInfo, codec, 26);
AVT_CHECK_OFFSET(AVT_Mtr_PlTrackInfo, playlistNo, 28);
AVT_CHECK_OFFSET(AVT_Mtr_PlTrackInfo, trackNo, 30);
AVT_CHECK_OFFSET(AVT_Mtr_PlTrackInfo, fileName, 32);

static_assert(sizeof(Songbase_Track) == 716);
AVT_CHECK_OFFSET(Songbase_Track, fileSize, 260);
AVT_CHECK_OFFSET(Songbase_Track, tagTrackNo, 264);
AVT_CHECK_OFFSET(Songbase_Track, detail, 266);
AVT_CHECK_OFFSET(Songbase_Track, distinct, 426);
AVT_CHECK_OFFSET(Songbase_Track, master, 594);
AVT_CHECK_OFFSET(Songbase_Track, fileHeader, 674);
AVT_CHECK_OFFSET(Songbase_Track, padding, 714);

static_assert(sizeof(AVT_Pl_TrackEntry) == 160);
AVT_CHECK_OFFSET(AVT_Pl_TrackEntry, trackNo, 8);
AVT_CHECK_OFFSET(AVT_Pl_TrackEntry, bitRate, 16);
AVT_CHECK_OFFSET(AVT_Pl_TrackEntry, reserved1, 18);
AVT_CHECK_OFFSET(AVT_Pl_TrackEntry, title, 20);
AVT_CHECK_OFFSET(AVT_Pl_TrackEntry, titleReading, 53);
AVT_CHECK_OFFSET(AVT_Pl_TrackEntry, artist, 118);
AVT_CHECK_OFFSET(AVT_Pl_TrackEntry, reserved2, 151);

static_assert(sizeof(AVT_Tk_DataHeader) == 8);

static_assert(sizeof(Songbase_ListRecord) == 344);
AVT_CHECK_OFFSET(Songbase_ListRecord, master, 224);
AVT_CHECK_OFFSET(Songbase_ListRecord, fileHeader, 304);

#undef AVT_CHECK_OFFSET

// A file header with the given name and body offset, versions "01.000", size zero.
inline void InitFileHeader(AVT_FileHeader* header, const char* name, std::uint32_t bodyOffset) {
    std::memset(header, 0, sizeof *header);
    std::strncpy(header->name, name, sizeof header->name - 1);
    std::memcpy(header->version, "01.000", 6);
    std::memcpy(header->version2, "01.000", 6);
    header->bodyOffset = bodyOffset;
}

// A freshly initialised track record: type and size words set, file header "TrackData" with body
// offset 400, everything else zero.
inline void InitTrackRecord(Songbase_Track* track) {
    std::memset(track, 0, sizeof *track);
    track->detail.type = AVT_TYPE_TRACK_DETAIL;
    track->detail.size = sizeof(AVT_Tk_DetailInfo);
    track->distinct.type = AVT_TYPE_TRACK_DISTINCT;
    track->distinct.size = sizeof(AVT_Tk_DistinctInfo);
    track->master.type = AVT_TYPE_TRACK_MASTER;
    track->master.size = sizeof(AVT_Mtr_PlTrackInfo);
    InitFileHeader(&track->fileHeader, "TrackData", 400);
}

// A freshly initialised playlist record part: info type 6 / 224, master type 4 / 80, file header
// "PlInfo" with body offset 72, everything else zero (track pointers are left alone).
inline void InitListRecord(Songbase_ListRecord* record) {
    std::memset(record, 0, sizeof *record);
    record->info.type = AVT_TYPE_PLAYLIST_INFO;
    record->info.size = sizeof(AVT_Pl_PlInfo);
    record->master.type = AVT_TYPE_PLAYLIST_MASTER;
    record->master.size = sizeof(AVT_Mtr_PlTrackInfo);
    InitFileHeader(&record->fileHeader, "PlInfo", 72);
}
