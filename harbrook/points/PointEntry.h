#pragma once
// The records the point views and dialogs exchange with the point store: the entry record for
// one point, and the clip record that carries a whole point from copy to paste.
#include <points/PictureHolder.h>
#include <points/PointRecord.h>

#include <cstdint>

namespace points {

// A comment: at most 4096 bytes of CP932 text with CR LF line ends, plus the NUL.
constexpr int kCommentBufferBytes = 4097;

struct PointEntry {
    std::int16_t group;
    char name[kNameBytes];
    char reading[kReadingBytes];
    char telephone[kTelephoneBytes];
    std::int32_t state;  // filled by GetPoint, ignored by PutPoint
    std::int32_t longitude;
    std::int32_t latitude;
    // GetPoint points this at the slot's own holder (borrowed). PutPoint takes the picture from
    // it: a holder without bits, or none, means no picture.
    PictureHolder* picture;
    char comment[kCommentBufferBytes];  // empty = no comment
    std::int16_t reserved[2];  // always zero
};

struct PointClip {
    std::uint32_t lead;  // zero
    PointRecord record;
    std::int32_t state;
    // The store's scratch holder with a copy of the slot's picture, or null when it had none.
    PictureHolder* picture;
    char comment[kCommentBufferBytes];
};

}  // namespace points
