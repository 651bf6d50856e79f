// Title and artist from ID3 text whose frames do not say how it is encoded (Latin-1 frames and
// ID3v1 tags), as the track records get them.
#include "SoundkitFiles.h"

#include <soundkit/Soundkit.h>

#include <platform/Cp932.h>

#include <gtest/gtest.h>

using namespace soundkit_test;

namespace {

std::string sjis(const std::string& utf8) {
    return platform::utf8ToCp932(utf8).value();
}

// A tag with Latin-1 title, artist, album and comment frames holding these bytes.
std::string v2(const std::string& title, const std::string& artist, const std::string& album = "",
               const std::string& comment = "") {
    std::string frames = id3v2Frame("TIT2", 0, title) + id3v2Frame("TPE1", 0, artist);
    if (!album.empty()) frames += id3v2Frame("TALB", 0, album);
    if (!comment.empty()) frames += id3v2Comment(0, comment);
    return id3v2Tag(frames);
}

struct LegacyCase {
    const char* label;
    std::string prefix;  // before the audio: an ID3v2 tag
    std::string suffix;  // after the audio: an ID3v1 tag
    std::string title;   // CP932
    std::string artist;  // CP932
};

std::ostream& operator<<(std::ostream& os, const LegacyCase& c) {
    return os << c.label;
}

// 33 bytes in Shift_JIS, 49 in UTF-8: ID3v1 keeps 30 and cuts a character in half.
const std::string kLongTitle = "A日本語の歌日本語の歌日本語の歌日";

const LegacyCase kCases[] = {
    {"ShiftJisKanjiAndKana", v2(sjis("桜の季節"), sjis("サクラバンド"), sjis("夏の思い出")), "",
     sjis("桜の季節"), sjis("サクラバンド")},
    {"ShiftJisHalfWidthKatakana", v2(sjis("ﾗﾌﾞｿﾝｸﾞ"), sjis("ﾔﾏﾀﾞ ﾀﾛｳ")), "", sjis("ﾗﾌﾞｿﾝｸﾞ"),
     sjis("ﾔﾏﾀﾞ ﾀﾛｳ")},
    // One lone half-width character says nothing; the artist frame decides for it.
    {"HalfWidthTitleDecidedByArtist", v2(sjis("ｱ"), sjis("ｻｸﾗﾊﾞﾝﾄﾞ")), "", sjis("ｱ"),
     sjis("ｻｸﾗﾊﾞﾝﾄﾞ")},
    {"AsciiMixedWithShiftJis", v2(sjis("Mr.Sunshine feat. 花子"), sjis("CDシングル")), "",
     sjis("Mr.Sunshine feat. 花子"), sjis("CDシングル")},
    {"Utf8InLatin1Frames", v2("日本語", "Motörhead"), "", sjis("日本語"), "Mot?rhead"},
    // Every accented letter CP932 lacks becomes one '?', the letters around it stay.
    {"Latin1WithAccents",
     v2("Mot\xF6rhead",
        "\xDC"
        "berall",
        "M\xE4"
        "dchen",
        "Caf\xE9 cr\xE8me"),
     "", "Mot?rhead", "?berall"},
    {"Windows1252Punctuation", v2("Don\x92t Stop", "Rock \x96 Live"), "", sjis("Don’t Stop"),
     "Rock ? Live"},
    // The character cut in half at the end of an ID3v1 field is dropped whole.
    {"ShiftJisInId3v1", "", id3v1Tag(sjis(kLongTitle), sjis("ﾔﾏﾀﾞ ﾀﾛｳ"), 1),
     sjis("A日本語の歌日本語の歌日本語の"), sjis("ﾔﾏﾀﾞ ﾀﾛｳ")},
    {"Utf8InId3v1", "", id3v1Tag(kLongTitle, "Motörhead", 1), sjis("A日本語の歌日本語の"),
     "Mot?rhead"},
};

class LegacyTagTextTest : public ::testing::TestWithParam<LegacyCase> {};

TEST_P(LegacyTagTextTest, TitleAndArtistComeOutRight) {
    const LegacyCase& c = GetParam();
    std::string path = taggedMp3(std::string("sk_legacy_") + c.label + ".mp3", c.prefix, c.suffix);
    AVT_Tk_DetailInfo detail{};
    CSoundkit kit;
    ASSERT_EQ(kit.GetInfo(path.c_str(), &detail, nullptr, nullptr), 1);
    EXPECT_EQ(platform::fieldText(detail.title, sizeof detail.title), c.title);
    EXPECT_EQ(platform::fieldText(detail.artist, sizeof detail.artist), c.artist);
}

INSTANTIATE_TEST_SUITE_P(Tags, LegacyTagTextTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.label); });

}  // namespace
