#include <mydb/MyDbLineParser.h>

#include <platform/Cp932.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Test texts are written in UTF-8 and converted to code page 932 as the file holds them.
std::string cp(const std::string& utf8) {
    return platform::utf8ToCp932(utf8).value();
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    while (n-- > 0) out += s;
    return out;
}

using Fields = std::array<std::string, kMyDbFieldCount>;  // UTF-8, in field order

Fields fieldsOf(const MyDbRow& row) {
    Fields fields;
    for (int f = 0; f < kMyDbFieldCount; ++f)
        fields[f] = platform::cp932ToUtf8Lossy(mydb::fieldText(row, static_cast<MyDbField>(f)));
    return fields;
}

struct LineCase {
    const char* name;
    std::string line;  // UTF-8
    Fields fields;
};

class MyDbLineParserTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(MyDbLineParserTest, FillsTheFieldsTheTextLibraryAdmits) {
    MyDbRow row;
    ASSERT_TRUE(MyDbLineParser::Parse(cp(GetParam().line), row));
    EXPECT_EQ(fieldsOf(row), GetParam().fields);
    EXPECT_EQ(row.deleteMark, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MyDbLineParserTest,
    ::testing::Values(
        LineCase{"FullPlaylist",
                 "#Playlist\t12\tTitle\tたいとる\tArtist\t2\t1999\tあーてぃすと\tCand",
                 {"#Playlist", "12", "Title", "たいとる", "Artist", "J-POP", "1999", "あーてぃすと",
                  "Cand"}},
        LineCase{"LowerCaseTrack",
                 "#track\t3\tSong\tそんぐ\tArt\t4",
                 {"#Track", "3", "Song", "そんぐ", "Art", "ジャズ", "", "", ""}},
        LineCase{"TrackReadsYearIgnoresColumns7And8",
                 "#TRACK\t3\t\t\t\t\t2001\tあ\tX",
                 {"#Track", "3", "", "", "", "", "2001", "", ""}},
        LineCase{"CdLineIsAPlaylistWithCandidateInColumn7",
                 "#cd\t5\tAlbum\tあ\tArt\t1\t2000\tCand",
                 {"#Playlist", "5", "Album", "あ", "Art", "その他", "2000", "", "Cand"}},
        LineCase{"NoZeroIsEmpty", "#Playlist\t0", {"#Playlist", "", "", "", "", "", "", "", ""}},
        LineCase{"NoHundredIsEmpty", "#Track\t100", {"#Track", "", "", "", "", "", "", "", ""}},
        LineCase{"NoWithLeadingZero", "#Track\t05", {"#Track", "05", "", "", "", "", "", "", ""}},
        LineCase{"NoWithLetterIsEmpty", "#Track\t1a", {"#Track", "", "", "", "", "", "", "", ""}},
        LineCase{"FiveDigitYearIsEmpty",
                 "#Playlist\t1\t\t\t\t\t19999",
                 {"#Playlist", "1", "", "", "", "", "", "", ""}},
        LineCase{"ThreeDigitYearIsEmpty",
                 "#Playlist\t1\t\t\t\t\t999",
                 {"#Playlist", "1", "", "", "", "", "", "", ""}},
        LineCase{"YearZeroAndSpaceStay",
                 "#Playlist\t1\t\t \t \t\t0\t \t ",
                 {"#Playlist", "1", "", " ", " ", "", "0", "", " "}},
        LineCase{"KatakanaReadingIsEmpty",
                 "#Playlist\t1\t\tアイ\t\t\t\tアイ",
                 {"#Playlist", "1", "", "", "", "", "", "", ""}},
        LineCase{"UnknownGenresAreEmpty",
                 "#Track\t1\t\t\t\t16",
                 {"#Track", "1", "", "", "", "", "", "", ""}},
        LineCase{
            "GenreZeroIsEmpty", "#Track\t1\t\t\t\t0", {"#Track", "1", "", "", "", "", "", "", ""}},
        LineCase{"GenreReadAsLeadingNumber",
                 "#Track\t1\t\t\t\t 7x",
                 {"#Track", "1", "", "", "", "ブラック/ソウル", "", "", ""}},
        LineCase{"LongTitleCutAt32Bytes",
                 "#Track\t1\t" + std::string(40, 'a'),
                 {"#Track", "1", std::string(32, 'a'), "", "", "", "", "", ""}},
        LineCase{"CutNeverSplitsADoubleByteCharacter",
                 "#Track\t1\ta" + repeat("漢", 16),
                 {"#Track", "1", "a" + repeat("漢", 15), "", "", "", "", "", ""}},
        LineCase{"ColumnsAfter8Ignored",
                 "#Playlist\t1\t\t\t\t\t\t\tCand\tjunk\tmore",
                 {"#Playlist", "1", "", "", "", "", "", "", "Cand"}},
        LineCase{"CommandAloneIsARowWithEmptyFields",
                 "#CD",
                 {"#Playlist", "", "", "", "", "", "", "", ""}},
        LineCase{"EmptyLineIsBlank", "", {}}, LineCase{"TabsOnlyIsBlank", "\t\t\t\t\t\t\t\t", {}},
        LineCase{"TextAfterColumn8OfABlankLineIgnored", "\t\t\t\t\t\t\t\t\tjunk", {}}),
    [](const auto& p) { return std::string(p.param.name); });

class MyDbRefusedLineTest : public ::testing::TestWithParam<std::string> {};

TEST_P(MyDbRefusedLineTest, IsNotAMyDbLine) {
    MyDbRow row;
    EXPECT_FALSE(MyDbLineParser::Parse(GetParam(), row));
}

INSTANTIATE_TEST_SUITE_P(Lines, MyDbRefusedLineTest,
                         ::testing::Values("Hello", "#Other\t1", "Playlist\t1", " ", "#Playlist2",
                                           "\tX", "\t\t\t\t\t\t\t\tX", "\xEF\xBB\xBF#Playlist\t1",
                                           std::string("\0", 1), "#Track\r\t1"));

TEST(MyDbLineParserColumns, ColumnWithNulIsLeftEmpty) {
    MyDbRow row;
    ASSERT_TRUE(MyDbLineParser::Parse(std::string("#Track\t1\tTi\0tle\t\tArt", 20), row));
    EXPECT_EQ(fieldsOf(row), (Fields{"#Track", "1", "", "", "Art", "", "", "", ""}));
}

}  // namespace
