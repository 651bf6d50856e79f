#pragma once
// Writes the unit's music database files straight from the store's records: AVMTR.PPD (the master
// list), one PLINFO file per playlist and one TRACK file per track carrying its music file.
// Each writer stores the written size in the record's file header.
#include <songbase/Songbase.h>

#include <cstdint>
#include <string>

namespace songbase {

class UnitFileWriter {
public:
    // AVMTR.PPD: the store's object header (its object count recomputed), then every playlist's
    // master entry followed by its tracks' entries, numbered by position as they are written.
    static bool writeMasterList(SONGBASE_ST& store, const std::string& folder,
                                platform::Event* cancel);
    // The playlist's PLINFO file under the name held in its master entry.
    static bool writePlayList(Songbase_List& pl, const std::string& folder,
                              platform::Event* cancel);
    // The track's TRACK file, streaming its music file from the stored path.
    static bool writeTrack(Songbase_Track& track, const std::string& folder,
                           platform::Event* cancel);
    // Total size of all files; with a destination each is rounded to its size on that drive.
    static std::uint64_t transFileSize(const SONGBASE_ST& store, const char* destination);
};

}  // namespace songbase
