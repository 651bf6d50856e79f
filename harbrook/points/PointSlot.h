#pragma once
// Everything the point store keeps for one of its 510 slots.
#include <points/PictureHolder.h>
#include <points/PointRecord.h>

#include <cstdint>
#include <optional>
#include <string>

namespace points {

// Slot states.
enum PointState : std::int32_t {
    kStateEmpty = 0,
    kStateOnUnit = 1,   // read from the unit, or sent to it since
    kStateSaved = 2,    // read from a PC file, or saved since its last change
    kStateChanged = 3,  // new or changed on the PC since it was last saved or sent
};

struct PointSlot {
    PointRecord record;
    std::int32_t state = kStateEmpty;
    PictureHolder picture;
    bool pictureFromUnit = false;  // the picture was read from the unit's file set
    bool pictureChanged = false;
    std::optional<std::string> comment;  // CP932, at most 4096 bytes, CR LF line ends
    bool commentFromUnit = false;
    bool commentChanged = false;

    bool isEmpty() const { return record.slot == kEmptySlot; }
    // A point the store counts, lists and writes to PC files: used and not unit-owned.
    bool isUserPoint() const { return !isEmpty() && !isUnitOwnedGroup(record.group); }
};

}  // namespace points
