#include <songbase/Records.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {
// True when every byte of [from, to) in the object is zero.
bool zeroBetween(const void* object, std::size_t from, std::size_t to) {
    const auto* bytes = static_cast<const unsigned char*>(object);
    for (std::size_t i = from; i < to; ++i)
        if (bytes[i] != 0) return false;
    return true;
}
}  // namespace

TEST(Records, FreshTrackHasOnlyTypesSizesAndFileHeader) {
    Songbase_Track track;
    std::memset(&track, 0xAB, sizeof track);
    InitTrackRecord(&track);
    EXPECT_EQ(+track.detail.type, 8);
    EXPECT_EQ(+track.detail.size, 160);
    EXPECT_EQ(+track.distinct.type, 9);
    EXPECT_EQ(+track.distinct.size, 168);
    EXPECT_EQ(+track.master.type, 5);
    EXPECT_EQ(+track.master.size, 80);
    EXPECT_STREQ(track.fileHeader.name, "TrackData");
    EXPECT_EQ(+track.fileHeader.bodyOffset, 400u);
    EXPECT_EQ(std::memcmp(track.fileHeader.version, "01.00001.000", 12), 0);
    EXPECT_TRUE(zeroBetween(&track, 0, 266));
    EXPECT_TRUE(zeroBetween(&track, 266 + 8, 426));
    EXPECT_TRUE(zeroBetween(&track, 426 + 8, 594));
    EXPECT_TRUE(zeroBetween(&track, 594 + 8, 674));
    EXPECT_TRUE(zeroBetween(&track, 674 + 9, 674 + 12));  // name zero-filled behind "TrackData"
    EXPECT_TRUE(zeroBetween(&track, 674 + 12, 674 + 16));  // size filled in when written
    EXPECT_TRUE(zeroBetween(&track, 674 + 32, 716));
}

TEST(Records, FreshListRecordHasOnlyTypesSizesAndFileHeader) {
    Songbase_ListRecord rec;
    std::memset(&rec, 0xCD, sizeof rec);
    InitListRecord(&rec);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&rec);
    EXPECT_EQ(bytes[0], 6);
    EXPECT_EQ(bytes[4], 224);
    EXPECT_EQ(bytes[224], 4);
    EXPECT_EQ(bytes[228], 80);
    EXPECT_STREQ(rec.fileHeader.name, "PlInfo");
    EXPECT_EQ(+rec.fileHeader.bodyOffset, 72u);
    EXPECT_TRUE(zeroBetween(&rec, 8, 224));
    EXPECT_TRUE(zeroBetween(&rec, 232, 304));
    EXPECT_TRUE(zeroBetween(&rec, 304 + 32, 344));
}
