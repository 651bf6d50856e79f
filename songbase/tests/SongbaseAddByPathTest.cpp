// Adding tracks from real music files (the tag and stream data come from Soundkit).
#include "StoreFixtures.h"

#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <filesystem>

using namespace songbase_test;

namespace {
std::string taggedMp3() {
    return testsupport::toneFile("sb_tagged.mp3", 44100, 2, "libmp3lame", 128000, 2.0,
                                 "-metadata title=Hello -metadata artist=World -metadata track=3");
}
}  // namespace

TEST_F(EmptyStore, AddingAMusicFileTakesItsTagsSizeAndTime) {
    const std::string path = taggedMp3();
    ASSERT_FALSE(path.empty());
    int list = addPlayList("L", {makeTrack("Before", 1, 59, 10)});
    ASSERT_EQ(CSongbase::SetTrackInfo(list, 1, path.c_str()), 1);
    Songbase_Track* t = nullptr;
    ASSERT_EQ(CSongbase::GetTrackData(list, 1, &t), 1);
    EXPECT_STREQ(t->detail.title, "Hello");
    EXPECT_STREQ(t->detail.artist, "World");
    EXPECT_EQ(t->detail.codec, AVT_CODEC_MP3);
    EXPECT_EQ(t->master.codec, AVT_CODEC_MP3);
    EXPECT_EQ(t->detail.seconds, 2);
    EXPECT_EQ(+t->detail.type, 8);
    EXPECT_EQ(t->detail.trackNo, 2);
    EXPECT_EQ(t->tagTrackNo, 3);
    EXPECT_EQ(t->fileSize, std::filesystem::file_size(path));
    EXPECT_STREQ(t->path, path.c_str());
    EXPECT_STREQ(t->master.fileName, "TRACK001_02.PPD");
    EXPECT_EQ(CSongbase::GetAllFileSize(), 10 + std::filesystem::file_size(path));
    AVT_Pl_PlInfo* info = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListInfo(list, &info), 1);
    EXPECT_EQ(info->minutes, 2);
    EXPECT_EQ(info->seconds, 1);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(EmptyStore, AddingAFileThatTakesThePlayListPastTheLimitLeavesNoTrace) {
    const std::string path = taggedMp3();
    int list = addPlayList("L", {makeTrack("Long", 999, 59)});
    const GUID before = CSongbase::MusicData().lists[list]->record.master.guid;
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 1, path.c_str()), 0);
    EXPECT_EQ(CSongbase::GetTrackCount(list), 1);
    EXPECT_EQ(CSongbase::GetAllFileSize(), 0u);
    EXPECT_TRUE(CSongbase::MusicData().lists[list]->record.master.guid == before);
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(EmptyStore, UnreadableFileIsNotAdded) {
    testsupport::ScratchDir dir;
    testsupport::writeFile(dir.file("noise.mp3"), std::string(4096, '\x55'));
    int list = addPlayList("L", {});
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 0, dir.file("noise.mp3").c_str()), 0);
    EXPECT_EQ(CSongbase::SetTrackInfo(list, 0, dir.file("missing.mp3").c_str()), 0);
    EXPECT_EQ(CSongbase::GetTrackCount(list), 0);
    EXPECT_TRUE(storeIsConsistent());
}
