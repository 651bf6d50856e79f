#pragma once
// The PC-side save file of the whole store: an 80-byte header (total size, the store's object and
// file headers), then per playlist its 344-byte record part followed by its 716-byte tracks.
#include <songbase/Songbase.h>

namespace songbase {

class EditDataFile {
public:
    // Writes the store; the existing file is replaced only once the new one is complete.
    static bool write(const SONGBASE_ST& store, const char* path);
    // Fills an empty store from the file. False for a missing or short file or a playlist count
    // above 999 or a track count above 99; the caller then empties the store again.
    static bool read(const char* path, SONGBASE_ST& store);
};

}  // namespace songbase
