// The music document's list rules, properties and edit data file.
#include "MusicFixture.h"

#include <cstring>

namespace {

class MusicDataTest : public MusicFixture {};

TEST_F(MusicDataTest, LimitsAnswerEAbortWithTheirCodes) {
    EXPECT_EQ(doc.AddFile(0, Mp3()), CMusicData::kEAbort);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kPlayListNotFound);

    const int list = PlayListOf({Mp3()});
    Songbase_Track record{};
    ASSERT_EQ(doc.CopyOutTrack(list, 0, &record), 1);
    for (int i = 1; i < kMaxTracksPerList; ++i) ASSERT_EQ(doc.InsertTrack(list, i, record), 0);
    EXPECT_EQ(doc.AddFile(list, Mp3()), CMusicData::kEAbort);
    EXPECT_EQ(doc.ErrorText(), "トラックの最大数は99曲です。");
    EXPECT_EQ(doc.InsertTrack(list, 0, record), CMusicData::kEAbort);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kTooManyTracks);
    EXPECT_EQ(doc.InsertTrack(1, 0, record), CMusicData::kEAbort);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kPlayListNotFound);
}

TEST_F(MusicDataTest, BadIndicesSetTheirCodes) {
    const int list = PlayListOf({Mp3()});
    MusicProperties props{};
    EXPECT_EQ(doc.Delete(list, 1), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kTrackNotFound);
    EXPECT_EQ(doc.SwapPlayLists(0, 1), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kPlayListNotFound);
    EXPECT_EQ(doc.SwapTracks(list, 0, -1), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kTrackNotFound);
    EXPECT_EQ(doc.GetProperties(3, -1, &props), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kPlayListNotFound);
}

TEST_F(MusicDataTest, SortingByTagTrackNumberPutsUntaggedTracksFirst) {
    const int list = PlayListOf({Mp3(3), Mp3(1), Mp3(0), Mp3(2)});
    EXPECT_EQ(doc.SortByTagTrackNo(list, 0), 1);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(CSongbase::GetTagTrackNo(list, i), i) << i;
}

TEST_F(MusicDataTest, SortingStartsAtTheFirstNewTrack) {
    const int list = PlayListOf({Mp3(3), Mp3(2), Mp3(1)});
    EXPECT_EQ(doc.SortByTagTrackNo(list, 1), 1);
    EXPECT_EQ(CSongbase::GetTagTrackNo(list, 0), 3);
    EXPECT_EQ(CSongbase::GetTagTrackNo(list, 1), 1);
    EXPECT_EQ(CSongbase::GetTagTrackNo(list, 2), 2);
}

TEST_F(MusicDataTest, PropertiesGoToTrackAndPlayList) {
    const int list = PlayListOf({Mp3(4)});
    MusicProperties in{};
    std::strcpy(in.title, "Song");
    std::strcpy(in.reading, "\x82\xa0");  // あ
    std::strcpy(in.artist, "Singer");
    std::strcpy(in.releaseYear, "19991231");
    in.genre = 3;
    ASSERT_EQ(doc.SetProperties(list, 0, in), 1);
    EXPECT_TRUE(doc.IsModified());

    MusicProperties track{};
    ASSERT_EQ(doc.GetProperties(list, 0, &track), 1);
    EXPECT_STREQ(track.title, "Song");
    EXPECT_STREQ(track.reading, "\x82\xa0");
    EXPECT_STREQ(track.artist, "Singer");
    EXPECT_STREQ(track.releaseYear, "1999123");  // a track sets at most 7 characters
    EXPECT_EQ(track.genre, 3);
    EXPECT_EQ(track.tagTrackNo, 4);
    EXPECT_EQ(track.codec, AVT_CODEC_MP3);
    EXPECT_EQ(track.bitRate, 128);
    EXPECT_EQ(track.seconds, 1);
    EXPECT_GT(track.fileYear, 2000);

    MusicProperties playList{};
    ASSERT_EQ(doc.GetProperties(list, -1, &playList), 1);
    EXPECT_STREQ(playList.title, "New Album");
    EXPECT_EQ(playList.trackCount, 1);
    EXPECT_STREQ(playList.releaseYear, "1999123");
}

TEST_F(MusicDataTest, NewPlayListTitleIsCutAt32Bytes) {
    ASSERT_EQ(doc.NewPlayList(std::string(40, 'x').c_str()), 0);
    MusicProperties props{};
    ASSERT_EQ(doc.GetProperties(0, -1, &props), 1);
    EXPECT_EQ(std::string(props.title), std::string(32, 'x'));
}

TEST_F(MusicDataTest, ReleaseYearCheck) {
    for (const char* good : {"1000", "2024", "9999"}) EXPECT_TRUE(CMusicData::ReleaseYearCheck(good));
    for (const char* bad : {"", "999", "0999", "10000", "20a4", " 202"}) {
        EXPECT_FALSE(CMusicData::ReleaseYearCheck(bad)) << bad;
    }
}

TEST_F(MusicDataTest, SaveAndLoadKeepTheListAndClearTheModifiedFlag) {
    PlayListOf({Mp3(1), Mp3(2)});
    const std::string file = scratch.file("list.dat");
    ASSERT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.Save(file));
    EXPECT_FALSE(doc.IsModified());
    ASSERT_EQ(doc.ClearAll(), 1);
    ASSERT_TRUE(doc.Load(file));
    EXPECT_EQ(CSongbase::GetTrackCount(0), 2);

    EXPECT_FALSE(doc.Load(scratch.file("missing.dat")));
    EXPECT_EQ(doc.ErrorText(), "ファイルが読み込めません。");
    EXPECT_FALSE(doc.Save(scratch.file("no/such/folder/list.dat")));
    EXPECT_EQ(doc.ErrorText(), "ファイルが書き込めません。");
}

}  // namespace
