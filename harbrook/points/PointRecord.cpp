#include <points/PointRecord.h>

#include <cstring>

namespace points {

void clearPointRecord(PointRecord& record) {
    std::memset(&record, 0, sizeof record);
    record.slot = kEmptySlot;
}

void initNewPointRecord(PointRecord& record, std::int16_t slot) {
    std::memset(&record, 0, sizeof record);
    record.slot = slot;
    record.unit56 = static_cast<std::int32_t>(0xFFFF1226u);
    record.unit60 = -1;
    record.unit62 = -1;
    record.unit64 = -1;
    record.unit220 = 1;
    std::memset(record.unit286, 0xFF, sizeof record.unit286);
    record.unit318 = -1;
    record.unit322 = -1;
    record.unit324 = static_cast<std::int16_t>(0xC000);
    record.unit326 = 2;
    record.unit328 = 0x00FF;
    record.unit364 = 1;
    record.unit370 = 0x608;
    std::memset(record.unit375, 0xFF, sizeof record.unit375);
}

void setPointPosition(PointRecord& record, std::int32_t longitude, std::int32_t latitude) {
    record.longitude = longitude;
    record.latitude = latitude;
    std::memcpy(record.unitBlock, &longitude, sizeof longitude);
    std::memcpy(record.unitBlock + sizeof longitude, &latitude, sizeof latitude);
}

}  // namespace points
