#pragma once
// The point store fixture shared by the store's test files: a store with a fixed clock, a
// scratch folder, and points made in the lowest free slots.
#include <points/CPointData.h>
#include <points/PointFileNames.h>
#include <points/PointFolders.h>
#include <points/PointGroupFileWriter.h>
#include <points/PointPictureFileWriter.h>
#include <points/PointRecordFileReader.h>
#include <points/PointRecordFileWriter.h>
#include <points/PointResult.h>

#include "TestPictures.h"

#include <outside/Fileaid.h>
#include <platform/Cp932.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

using namespace points;
using testsupport::readFile;
using testsupport::ScratchDir;
using testsupport::writeFile;
namespace fs = std::filesystem;

// Tokyo Tower in milliarcseconds, and the corners of the accepted range.
inline constexpr std::int32_t kLon = 503083400, kLat = 128371000;
inline constexpr std::int32_t kMinLon = 122 * 3600000, kMinLat = 22 * 3600000;
inline constexpr std::int32_t kMaxLon = 554399900, kMaxLat = 204000000;

inline bool fixedClock(std::tm& t) {
    t = std::tm{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 7;
    t.tm_hour = 12;
    t.tm_min = 34;
    t.tm_sec = 56;
    return true;
}

inline std::string field(const char* text, std::size_t size) {
    return std::string(platform::fieldText(text, size));
}

class PointStoreTest : public ::testing::Test {
protected:
    void SetUp() override { PointStamp::setClock(fixedClock); }
    void TearDown() override { PointStamp::setClock(nullptr); }

    static PointEntry entry(const char* name, std::int32_t lon = kLon, std::int32_t lat = kLat,
                            const char* comment = "", PictureHolder* picture = nullptr,
                            int group = 1) {
        PointEntry e{};
        e.group = static_cast<std::int16_t>(group);
        std::snprintf(e.name, sizeof e.name, "%s", name);
        std::snprintf(e.reading, sizeof e.reading, "%s", "\x83\x5E\x83\x8F\x81\x5B");
        std::snprintf(e.telephone, sizeof e.telephone, "03-3433-5111");
        e.longitude = lon;
        e.latitude = lat;
        e.picture = picture;
        std::snprintf(e.comment, sizeof e.comment, "%s", comment);
        return e;
    }

    int add(const char* name, const char* comment = "", PictureHolder* picture = nullptr) {
        const int slot = store.FindFreeSlot();
        const PointEntry e = entry(name, kLon, kLat, comment, picture);
        EXPECT_TRUE(store.PutPoint(slot, &e)) << name;
        return slot;
    }

    void fill(int points) {
        for (int i = 0; i < points; ++i) add(("p" + std::to_string(i)).c_str());
    }

    std::unique_ptr<CPointData> m_store = std::make_unique<CPointData>();
    CPointData& store = *m_store;
    ScratchDir dir;
};
