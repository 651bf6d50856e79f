// The music document's file checks and report text.
#include "MusicFixture.h"

#include <cstring>
#include <filesystem>

namespace {

const std::string kHeader = "プレイリストNO\tトラックNO\tファイルパス\tエラー内容\r";

class MusicDataCheckTest : public MusicFixture {};

TEST_F(MusicDataCheckTest, ReportOfABadTrackAndAnEmptyPlayListMatchesByteForByte) {
    const std::string low = testsupport::toneFile("music_8k.mp3", 8000, 1, "libmp3lame", 32000, 1);
    const int list = PlayListOf({Mp3()});
    // The 8000 Hz file is refused when added, so it enters the store as a copied record.
    Songbase_Track record{};
    ASSERT_EQ(doc.CopyOutTrack(list, 0, &record), 1);
    std::memset(record.path, 0, sizeof record.path);
    std::strcpy(record.path, low.c_str());
    ASSERT_EQ(doc.InsertTrack(list, 1, record), 0);
    ASSERT_EQ(doc.NewPlayList("Empty"), 0);

    EXPECT_EQ(doc.TransferCheck(), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kEmptyPlayList);
    EXPECT_EQ(doc.ReportText(), kHeader + "001\t02\t" + low + "\tサンプリング周波数不正\r" +
                                    "002\t00\t - \tトラックが入っていないプレイリスト\r");
    EXPECT_EQ(doc.ErrorText(), "トラックが入っていないプレイリストがあります。");
}

TEST_F(MusicDataCheckTest, EveryMissingFileIsListedWithCode25) {
    const std::string a = OwnCopy(Mp3(), "a.mp3");
    const std::string b = OwnCopy(Mp3(), "b.mp3");
    PlayListOf({a, Mp3(), b});
    std::filesystem::remove(a);
    std::filesystem::remove(b);

    EXPECT_EQ(doc.TransferCheck(), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kMusicFileMissing);
    EXPECT_EQ(doc.ReportText(), kHeader + "001\t01\t" + a + "\tファイルが存在しない\r" +
                                    "001\t03\t" + b + "\tファイルが存在しない\r");
}

TEST_F(MusicDataCheckTest, AnEmptyListFailsWithCode15AndAGoodListAddsNoLine) {
    EXPECT_EQ(doc.TransferCheck(), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kNoPlayList);
    EXPECT_EQ(doc.ReportText(), kHeader + "000\t00\t - \tプレイリストが存在しない\r");

    PlayListOf({Mp3(1), Mp3(2)});
    EXPECT_EQ(doc.TransferCheck(), 1);
    EXPECT_EQ(doc.ResultCode(), 0);
    EXPECT_EQ(doc.ReportText(), kHeader);
}

struct RefusedAdd {
    const char* name;
    std::string path;
    std::string reason;
};

class RefusedAddTest : public MusicFixture, public ::testing::WithParamInterface<RefusedAdd> {};

TEST_P(RefusedAddTest, RefusedFileGetsItsReasonAndStaysOut) {
    const RefusedAdd& c = GetParam();
    const int list = PlayListOf({});
    doc.ClearReport();
    EXPECT_EQ(doc.AddFile(list, c.path), CMusicData::kEFail);
    EXPECT_EQ(CSongbase::GetTrackCount(list), 0);
    EXPECT_EQ(doc.ReportText(), kHeader + " - \t - \t" + c.path + "\t" + c.reason + "\r");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RefusedAddTest,
    ::testing::Values(
        RefusedAdd{"Empty", "", "読み取れない形式のファイルパス"},
        RefusedAdd{"TooLong", "/" + std::string(250, 'a'), "読み取れない形式のファイルパス"},
        RefusedAdd{"Missing", "/nonexistent/x.mp3", "読み取れない形式のファイルパス"},
        RefusedAdd{"Folder", "/tmp", "読み取れない形式のファイルパス"},
        RefusedAdd{"Extension", testsupport::writeCacheFile("music_text.txt", "text"),
                   "ファイル拡張子不正"},
        RefusedAdd{"NoAudio", testsupport::writeCacheFile("music_junk.mp3", "junk"),
                   "フォーマット情報取得できず"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MusicDataCheckTest, RemovedPlayListNoteEndsTheReport) {
    doc.ClearReport();
    doc.NoteRemovedPlayList("Album");
    EXPECT_EQ(doc.ReportText(), kHeader + "Album\t\t\t空のプレイリストを削除します。\r");
}

}  // namespace
