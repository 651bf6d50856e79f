#include <mydb/MyDbData.h>

#include <mydb/tests/TestRows.h>
#include <platform/Cp932.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

using testrows::cp;
using testrows::makeRow;

bool sameRow(const MyDbRow& a, const MyDbRow& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string repeatLine(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

class MyDbDataTest : public ::testing::Test {
protected:
    void fill(const std::vector<MyDbRow>& rows) {
        for (const MyDbRow& r : rows) ASSERT_TRUE(store.InsertRow(store.GetRowCount(), r));
    }
    MyDbRow row(int index) const {
        MyDbRow r;
        EXPECT_TRUE(store.GetRow(index, r));
        return r;
    }
    std::vector<MyDbRow> rows() const {
        std::vector<MyDbRow> all;
        for (int i = 0; i < store.GetRowCount(); ++i) all.push_back(row(i));
        return all;
    }

    testsupport::ScratchDir dir;
    CMyDbData store;
};

// The file every saving test expects, byte for byte: a track row ends after its genre column and
// loses its year, a blank row is an empty line, an empty genre is an empty column.
const std::vector<std::vector<std::string>> kSampleRows = {
    {"#Playlist", "2", "アルバム", "あるばむ", "歌手", "ジャズ", "1999", "かしゅ", "候補"},
    {"#Track", "1", "曲", "きょく", "歌手", "J-POP", "2001"},
    {},
    {"#Track", "2", "Song 2", " ", " "},
};
const std::string kSampleFile =
    cp("#Playlist\t2\tアルバム\tあるばむ\t歌手\t4\t1999\tかしゅ\t候補\r\n"
       "#Track\t1\t曲\tきょく\t歌手\t2\r\n"
       "\r\n"
       "#Track\t2\tSong 2\t \t \t\r\n");

TEST_F(MyDbDataTest, SaveWritesCodePage932LinesWithCrLf) {
    for (const auto& fields : kSampleRows) fill({makeRow(fields)});
    ASSERT_TRUE(store.Save(dir.file("MYDB.txt")));
    EXPECT_EQ(readFile(dir.file("MYDB.txt")), kSampleFile);
    EXPECT_FALSE(store.IsModified());
    EXPECT_EQ(store.ResultCode(), 0);
}

TEST_F(MyDbDataTest, LoadReadsWhatSaveWroteExceptTheTrackYear) {
    writeFile(dir.file("in.txt"), kSampleFile);
    ASSERT_TRUE(store.Load(dir.file("in.txt")));
    ASSERT_EQ(store.GetRowCount(), 4);
    for (int i = 0; i < 4; ++i) {
        std::vector<std::string> expected = kSampleRows[static_cast<std::size_t>(i)];
        if (i == 1) expected.pop_back();  // the track's year is not written
        EXPECT_TRUE(sameRow(row(i), makeRow(expected))) << "row " << i;
    }
    ASSERT_TRUE(store.Save(dir.file("again.txt")));
    EXPECT_EQ(readFile(dir.file("again.txt")), kSampleFile);
}

TEST_F(MyDbDataTest, OlderFormsAndLooseLineEndsAreWrittenInTheCurrentForm) {
    writeFile(dir.file("in.txt"),
              "#cd\t3\tA\t\tB\t1\t2000\tC\n#TRACK\t1\tT\n\n\t\t\n#Track\t2\x1a#Junk\tX");
    ASSERT_TRUE(store.Load(dir.file("in.txt")));
    ASSERT_TRUE(store.Save(dir.file("out.txt")));
    EXPECT_EQ(readFile(dir.file("out.txt")),
              "#Playlist\t3\tA\t\tB\t1\t2000\t\tC\r\n#Track\t1\tT\t\t\t\r\n\r\n\r\n"
              "#Track\t2\t\t\t\t\r\n");
}

TEST_F(MyDbDataTest, RowsTheProgramCannotHoldAreWrittenSafely) {
    // A TAB or line break inside a field would split the row when read back.
    fill({makeRow({"#Track", "1", "a\tb", "", "c\r\nd"}), makeRow({"#Bogus", "1"})});
    ASSERT_TRUE(store.Save(dir.file("out.txt")));
    EXPECT_EQ(readFile(dir.file("out.txt")), "#Track\t1\ta b\t\tc  d\t\r\n#Bogus\t1\t\t\t\t\r\n");
}

struct LineCountCase {
    int lines;
    bool loads;
};

class MyDbLineCountTest : public MyDbDataTest,
                          public ::testing::WithParamInterface<LineCountCase> {};

TEST_P(MyDbLineCountTest, AtMost10000LinesLoad) {
    fill({makeRow({"#Playlist", "1"})});
    writeFile(dir.file("in.txt"), repeatLine("#Track\t1\r\n", GetParam().lines));
    EXPECT_EQ(store.Load(dir.file("in.txt")), GetParam().loads);
    if (GetParam().loads) {
        EXPECT_EQ(store.GetRowCount(), GetParam().lines);
    } else {
        EXPECT_EQ(store.ResultCode(), CMyDbData::kTooManyRows);
        EXPECT_EQ(store.ErrorText(), "最大行数は10000行です。");
        EXPECT_EQ(store.GetRowCount(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, MyDbLineCountTest,
                         ::testing::Values(LineCountCase{0, true}, LineCountCase{10000, true},
                                           LineCountCase{10001, false}));

TEST_F(MyDbDataTest, VeryLongLinesLoadWithTheirFieldsCut) {
    const std::string longText(1 << 20, 'a');
    writeFile(dir.file("in.txt"), "#Playlist\t1\t" + longText + "\t\t\t\t\t\t\t" + longText +
                                      "\r\n#Track\t1\t\t" + longText + "\r\n");
    ASSERT_TRUE(store.Load(dir.file("in.txt")));
    ASSERT_EQ(store.GetRowCount(), 2);
    EXPECT_EQ(mydb::fieldText(row(0), MyDbField::Title), std::string(32, 'a'));
    EXPECT_EQ(mydb::fieldText(row(1), MyDbField::TitleReading), "");  // not hiragana
    writeFile(dir.file("junk.txt"), longText);
    EXPECT_FALSE(store.Load(dir.file("junk.txt")));
    EXPECT_EQ(store.ResultCode(), CMyDbData::kNotMyDbFile);
}

TEST_F(MyDbDataTest, FailedLoadsKeepTheRowsAndTheModifiedFlag) {
    fill({makeRow({"#Playlist", "1"}), makeRow({"#Track", "1"})});
    const std::vector<MyDbRow> before = rows();
    writeFile(dir.file("text.txt"), "#Playlist\t1\r\nSome other text\r\n");
    std::filesystem::create_directory(dir.file("folder"));
    struct {
        std::string path;
        int code;
        const char* text;
    } cases[] = {
        {dir.file("text.txt"), CMyDbData::kNotMyDbFile, "myDB形式でないファイルです。"},
        {dir.file("missing.txt"), CTransferData::kCannotRead, "ファイルが読み込めません。"},
        {dir.file("folder"), CTransferData::kCannotRead, "ファイルが読み込めません。"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(store.Load(c.path)) << c.path;
        EXPECT_EQ(store.ResultCode(), c.code) << c.path;
        EXPECT_EQ(store.ErrorText(), c.text);
        ASSERT_EQ(store.GetRowCount(), 2);
        EXPECT_TRUE(sameRow(row(0), before[0]) && sameRow(row(1), before[1]));
        EXPECT_TRUE(store.IsModified());
    }
}

TEST_F(MyDbDataTest, FailedSaveReportsCode10AndLeavesTheTargetAlone) {
    fill({makeRow({"#Playlist", "1"})});
    std::filesystem::create_directory(dir.file("taken"));
    EXPECT_FALSE(store.Save(dir.file("missing/MYDB.txt")));
    EXPECT_EQ(store.ErrorText(), "myDBの保存時にエラーが発生しました。");
    EXPECT_FALSE(store.Save(dir.file("taken")));
    EXPECT_EQ(store.ResultCode(), CMyDbData::kSaveError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken")));
    EXPECT_TRUE(store.IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(MyDbDataTest, InsertShiftsOrPadsWithBlankRows) {
    const MyDbRow a = makeRow({"#Playlist", "1"}), b = makeRow({"#Track", "1"});
    ASSERT_TRUE(store.InsertRow(0, b));
    ASSERT_TRUE(store.InsertRow(0, a));
    EXPECT_TRUE(sameRow(row(0), a) && sameRow(row(1), b));
    ASSERT_TRUE(store.InsertRow(4, a));
    ASSERT_EQ(store.GetRowCount(), 5);
    EXPECT_TRUE(sameRow(row(2), mydb::blankRow()) && sameRow(row(3), mydb::blankRow()));
    EXPECT_TRUE(sameRow(row(4), a));
    EXPECT_TRUE(store.IsModified());
}

TEST_F(MyDbDataTest, InsertRefusesNegativeIndexAndGrowthPast10000Rows) {
    const MyDbRow r = makeRow({"#Track", "1"});
    EXPECT_FALSE(store.InsertRow(-1, r));
    EXPECT_EQ(store.ResultCode(), CTransferData::kOtherError);
    EXPECT_FALSE(store.InsertRow(10000, r));  // would pad the table to 10001 rows
    EXPECT_EQ(store.ResultCode(), CMyDbData::kTooManyRows);
    EXPECT_EQ(store.GetRowCount(), 0);
    ASSERT_TRUE(store.InsertRow(9999, r));
    EXPECT_EQ(store.GetRowCount(), 10000);
    EXPECT_TRUE(store.CheckFull());
    EXPECT_EQ(store.ResultCode(), CMyDbData::kTooManyRows);
    EXPECT_FALSE(store.InsertRow(0, r));
    EXPECT_EQ(store.ErrorText(), "最大行数は10000行です。");
    ASSERT_TRUE(store.DeleteRow(0));
    EXPECT_FALSE(store.CheckFull());
    EXPECT_EQ(store.ResultCode(), 0);
}

TEST_F(MyDbDataTest, ReplaceAndDeleteWorkOnlyInRange) {
    const MyDbRow a = makeRow({"#Playlist", "1"}), b = makeRow({"#Track", "1"});
    fill({a, b, a});
    store.SetModified(false);
    MyDbRow out;
    EXPECT_FALSE(store.GetRow(3, out));
    EXPECT_FALSE(store.ReplaceRow(3, b));
    EXPECT_FALSE(store.DeleteRow(-1));
    EXPECT_FALSE(store.IsModified());
    ASSERT_TRUE(store.ReplaceRow(2, b));
    ASSERT_TRUE(store.DeleteRow(0));
    EXPECT_TRUE(sameRow(row(0), b) && sameRow(row(1), b));
    EXPECT_TRUE(store.IsModified());
    store.RemoveAllRows();
    EXPECT_EQ(store.GetRowCount(), 0);
    EXPECT_TRUE(store.IsModified());
}

// Rows for the structural check as "command:NO" items ("" for a blank row).
std::vector<MyDbRow> checkRows(const std::vector<std::string>& items) {
    std::vector<MyDbRow> result;
    for (const std::string& item : items) {
        const std::size_t colon = item.find(':');
        result.push_back(item.empty() ? mydb::blankRow()
                                      : makeRow({item.substr(0, colon), item.substr(colon + 1)}));
    }
    return result;
}

std::vector<std::string> playlists(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back("#Playlist:1");
    return items;
}

struct CheckCase {
    const char* name;
    std::vector<std::string> rows;
    int code;
    const char* text;
};

class MyDbCheckTest : public MyDbDataTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(MyDbCheckTest, ReportsTheFirstFaultWithItsRow) {
    fill(checkRows(GetParam().rows));
    EXPECT_EQ(store.Check(), GetParam().code == 0);
    EXPECT_EQ(store.ResultCode(), GetParam().code);
    EXPECT_EQ(store.ErrorText(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MyDbCheckTest,
    ::testing::Values(
        CheckCase{"Empty", {}, 0, ""},
        CheckCase{"TracksWithinTheCount", {"#Playlist:2", "#Track:1", "#Track:2"}, 0, ""},
        CheckCase{"BlankRowsSkippedButCounted",
                  {"", "#cd:1", "", "#track:1", "#Track:"},
                  15,
                  "5行目のNOが入力されていません"},
        CheckCase{"UnknownCommand",
                  {"#Playlist:1", "#Album:1"},
                  12,
                  "2行に不正なコマンドが設定されています"},
        CheckCase{"TrackBeforeAnyPlaylist",
                  {"", "#Track:1"},
                  17,
                  "2行目：対応するプレイリストがありません"},
        CheckCase{"TrackNumberAboveTheCount",
                  {"#Playlist:2", "#Track:1", "#Track:3"},
                  13,
                  "3行目：#Playlistで指定されたトラック数より大きな値が設定されています"},
        CheckCase{"HundredPlaylists", playlists(100), 0, ""},
        CheckCase{"HundredAndOnePlaylists", playlists(101), 11,
                  "プレイリスト数が100個を超えています。"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MyDbDataTest, PassingCheckClearsTheRowMessage) {
    fill(checkRows({"#Track:1"}));
    EXPECT_FALSE(store.Check());
    ASSERT_TRUE(store.InsertRow(0, makeRow({"#Playlist", "1"})));
    EXPECT_TRUE(store.Check());
    EXPECT_EQ(store.ErrorText(), "");
}

TEST_F(MyDbDataTest, NoZeroOrHundredLoadsEmptyAndFailsTheCheck) {
    writeFile(dir.file("in.txt"), "#Playlist\t2\r\n#Track\t1\r\n#Track\t100\r\n");
    ASSERT_TRUE(store.Load(dir.file("in.txt")));
    EXPECT_FALSE(store.Check());
    EXPECT_EQ(store.ErrorText(), "3行目のNOが入力されていません");
}

TEST_F(MyDbDataTest, WritingForTheUnitKeepsUnsavedChangesMarked) {
    for (const auto& fields : kSampleRows) fill({makeRow(fields)});
    std::filesystem::create_directory(dir.file("AVMTR"));  // an existing folder is fine
    ASSERT_TRUE(store.WriteForUsb(dir.folder()));
    EXPECT_EQ(readFile(dir.file("AVMTR/MYDB.txt")), kSampleFile);
    EXPECT_EQ(store.TransferFileNames(), std::vector<std::string>{"MYDB.txt"});
    ASSERT_TRUE(store.WriteForMedia(dir.path().string()));
    EXPECT_EQ(readFile(dir.file("MYDB.txt")), kSampleFile);
    EXPECT_TRUE(store.IsModified());
    EXPECT_FALSE(store.WriteForMedia(dir.file("missing")));
    EXPECT_EQ(store.ResultCode(), CMyDbData::kSaveError);
}

TEST_F(MyDbDataTest, CopyToMediaCopiesTheWrittenFile) {
    for (const auto& fields : kSampleRows) fill({makeRow(fields)});
    std::filesystem::create_directory(dir.file("card"));
    ASSERT_TRUE(store.WriteForMedia(dir.folder()));
    store.SetCompletionPause(std::chrono::milliseconds(0));
    ASSERT_TRUE(store.CopyToMedia(dir.folder(), dir.file("card"), nullptr, nullptr));
    while (store.Step()) {
    }
    EXPECT_TRUE(store.Succeeded());
    EXPECT_EQ(readFile(dir.file("card/MYDB.txt")), kSampleFile);
}

TEST_F(MyDbDataTest, RequiredBytesCoverTheWrittenFile) {
    for (const auto& fields : kSampleRows) fill({makeRow(fields)});
    std::uint64_t fields = 0;
    for (const MyDbRow& r : rows()) {
        for (int f = 0; f < kMyDbFieldCount; ++f)
            fields += mydb::fieldText(r, static_cast<MyDbField>(f)).size();
    }
    EXPECT_EQ(store.EstimatedFileBytes(), fields + 10 * kSampleRows.size());
    EXPECT_GE(store.EstimatedFileBytes(), kSampleFile.size());
    EXPECT_GE(store.RequiredBytes(), store.EstimatedFileBytes());
    EXPECT_GE(store.MediaBytes(dir.folder()), store.EstimatedFileBytes());
}

}  // namespace

namespace {

TEST_F(MyDbDataTest, AnyLineEndGivesTheSameRows) {
    const std::string lines[] = {"#Playlist\t2\tA", "#Track\t1\tB", "", "#Track\t2\tC"};
    writeFile(dir.file("crlf.txt"), lines[0] + "\r\n" + lines[1] + "\r\n\r\n" + lines[3] + "\r\n");
    ASSERT_TRUE(store.Load(dir.file("crlf.txt")));
    const std::vector<MyDbRow> expected = rows();
    ASSERT_EQ(expected.size(), 4u);
    for (const char* end : {"\r", "\n", "\r\n"}) {
        std::string text;
        for (const std::string& line : lines) text += line + end;
        for (const std::string& file : {text, text.substr(0, text.size() - std::strlen(end))}) {
            writeFile(dir.file("in.txt"), file);
            ASSERT_TRUE(store.Load(dir.file("in.txt")));
            ASSERT_EQ(store.GetRowCount(), 4) << testing::PrintToString(file);
            for (int i = 0; i < 4; ++i) EXPECT_TRUE(sameRow(row(i), expected[i]));
        }
    }
}

TEST_F(MyDbDataTest, TextThatIsNotCodePage932IsRefusedNamingItsLine) {
    fill({makeRow({"#Playlist", "1"})});
    const std::string utf8 = "#Playlist\t1\tAlbum\r\n#Track\t1\tアルバム\r\n";
    const std::pair<std::string, const char*> cases[] = {
        {utf8, "2行目"},
        {"\xEF\xBB\xBF" + utf8, "1行目"},
        {"\xFF\xFE" + std::string("#\0P\0", 4), "1行目"},  // UTF-16 with its mark
        {"#Playlist\t1\r\n\r\n#Track\t1\t\x81\r\n", "3行目"},
    };
    for (const auto& [text, line] : cases) {
        writeFile(dir.file("in.txt"), text);
        EXPECT_FALSE(store.Load(dir.file("in.txt")));
        EXPECT_EQ(store.ResultCode(), CMyDbData::kNotCodePage932);
        EXPECT_EQ(
            store.ErrorText(),
            std::string(line) + "：シフトJISのテキストではないため、myDBとして読み込めません。");
        EXPECT_EQ(store.GetRowCount(), 1);
    }
}

TEST_F(MyDbDataTest, RefusedFieldTextIsReportedWithLineAndColumn) {
    writeFile(dir.file("in.txt"), cp("#Playlist\t100\tOK\tカタカナ\r\n#CD\t1\t\t\t\t\t\t\x7f\r\n"
                                     "#Track\t1\t\t\t\t\t\t\x7f\t\x7f\r\n"));
    ASSERT_TRUE(store.Load(dir.file("in.txt")));
    ASSERT_EQ(store.EmptiedFields().size(), 3u);
    const auto& e = store.EmptiedFields();
    EXPECT_EQ(std::tie(e[0].line, e[0].field, e[0].column), std::tuple(1, MyDbField::No, 1));
    EXPECT_EQ(std::tie(e[1].line, e[1].field, e[1].column),
              std::tuple(1, MyDbField::TitleReading, 3));
    EXPECT_EQ(std::tie(e[2].line, e[2].field, e[2].column),
              std::tuple(2, MyDbField::CandidateTitle, 7));
}

TEST_F(MyDbDataTest, OnlyRegularFilesAreRead) {
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    for (const std::string& path : {dir.file("pipe"), std::string("/dev/zero")}) {
        EXPECT_FALSE(store.Load(path));
        EXPECT_EQ(store.ResultCode(), CTransferData::kCannotRead);
    }
}

}  // namespace
