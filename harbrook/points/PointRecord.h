#pragma once
// The unit's 390-byte point record. The same field order is used in memory and, column by
// column, in the record file, so this struct is a file format: packed, little-endian, text
// fields CP932 and NUL-terminated within their width. Fields named unitNNN (by their offset) mean
// something to the navigation unit only; the program writes their defaults into new points and
// otherwise keeps what it read.
#include <bit>
#include <cstddef>
#include <cstdint>

namespace points {

static_assert(std::endian::native == std::endian::little, "point files are little-endian");

constexpr int kSlotCount = 510;          // slots of the store and entries of the unit's file
constexpr int kPcEntryCount = 200;       // entries of a PC work file and of a card copy
constexpr int kPointLimit = 200;         // points the store may hold
constexpr int kFirstUserSlot = 10;       // slots 0 to 9 belong to the unit
constexpr std::int16_t kEmptySlot = -1;  // slot number of an empty slot or entry
constexpr int kNameBytes = 44;
constexpr int kReadingBytes = 44;
constexpr int kTelephoneBytes = 28;
constexpr int kFileNameBytes = 32;

#pragma pack(push, 1)
struct PointRecord {
    std::int16_t slot;  // the slot it occupies; kEmptySlot when empty
    std::int16_t group;  // 0 no group, 1 to 10 user groups, 11 and 12 unit-owned
    char name[kNameBytes];
    std::int32_t longitude;  // map-bridge integer unit
    std::int32_t latitude;
    std::int32_t unit56;
    std::int16_t unit60;
    std::int16_t unit62;
    std::int16_t unit64;
    std::int16_t unit66;
    char reading[kReadingBytes];  // katakana
    char telephone[kTelephoneBytes];
    std::uint8_t unit140[32];
    char pictureName[kFileNameBytes];  // empty = no picture
    std::uint32_t date1;
    std::uint32_t time1;
    std::uint32_t date2;
    std::uint32_t time2;
    std::int16_t unit220;
    std::uint8_t unitBlock[64];  // starts with a copy of longitude and latitude
    std::uint8_t unit286[32];
    std::int32_t unit318;
    std::int16_t unit322;
    std::int16_t unit324;
    std::int16_t unit326;
    std::int16_t unit328;
    char commentName[kFileNameBytes];  // empty = no comment
    std::int16_t unit362;
    std::int16_t unit364;
    std::int32_t unit366;
    std::int32_t unit370;
    std::uint8_t unit374;
    std::uint8_t unit375[15];  // int32, int32, int32, int16, uint8
};
#pragma pack(pop)

static_assert(sizeof(PointRecord) == 390);
static_assert(offsetof(PointRecord, group) == 2);
static_assert(offsetof(PointRecord, name) == 4);
static_assert(offsetof(PointRecord, longitude) == 48);
static_assert(offsetof(PointRecord, latitude) == 52);
static_assert(offsetof(PointRecord, unit56) == 56);
static_assert(offsetof(PointRecord, unit66) == 66);
static_assert(offsetof(PointRecord, reading) == 68);
static_assert(offsetof(PointRecord, telephone) == 112);
static_assert(offsetof(PointRecord, unit140) == 140);
static_assert(offsetof(PointRecord, pictureName) == 172);
static_assert(offsetof(PointRecord, date1) == 204);
static_assert(offsetof(PointRecord, time2) == 216);
static_assert(offsetof(PointRecord, unit220) == 220);
static_assert(offsetof(PointRecord, unitBlock) == 222);
static_assert(offsetof(PointRecord, unit286) == 286);
static_assert(offsetof(PointRecord, unit318) == 318);
static_assert(offsetof(PointRecord, unit322) == 322);
static_assert(offsetof(PointRecord, unit328) == 328);
static_assert(offsetof(PointRecord, commentName) == 330);
static_assert(offsetof(PointRecord, unit362) == 362);
static_assert(offsetof(PointRecord, unit366) == 366);
static_assert(offsetof(PointRecord, unit370) == 370);
static_assert(offsetof(PointRecord, unit374) == 374);
static_assert(offsetof(PointRecord, unit375) == 375);

// An empty slot: every byte zero except the slot number -1.
void clearPointRecord(PointRecord& record);

// A new point in `slot`: all bytes zero, then the unit's defaults, then the slot number.
void initNewPointRecord(PointRecord& record, std::int16_t slot);

// Sets longitude and latitude and their copy at the start of the unit block.
void setPointPosition(PointRecord& record, std::int32_t longitude, std::int32_t latitude);

// Groups 11 and 12 belong to the unit: never counted, listed, validated or written to a PC file.
constexpr bool isUnitOwnedGroup(int group) { return group == 11 || group == 12; }

}  // namespace points
