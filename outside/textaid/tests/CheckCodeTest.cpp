#include "Sjis.h"

#include <outside/Textaid.h>

#include <gtest/gtest.h>

#include <ostream>

namespace {

// The selector and options each field of the program passes.
struct Field {
    const char* name;
    unsigned short selector;
    int halfKana;
    int oneLine;
    int value;
};

constexpr Field kPointName{"point name", 0x300, 1, 1, 0};
constexpr Field kPointReading{"point reading", 0xC, 0, 1, 0};
constexpr Field kTelephone{"telephone", 0x30, 0, 1, 0};
constexpr Field kComment{"comment", 0x300, 0, 0, 0};
constexpr Field kMyDbNo{"myDB NO", 0x10, 0, 1, 0};
constexpr Field kYear{"year", 0x10, 0, 0, 1};
constexpr Field kTitle{"myDB title", 0x700, 0, 0, 1};
constexpr Field kReading{"reading", 3, 0, 0, 1};
constexpr Field kArtist{"artist", 0x700, 0, 1, 0};

struct CheckCase {
    Field field;
    std::string text;  // CP932
    bool admitted;
};

std::ostream& operator<<(std::ostream& out, const CheckCase& c) {
    return out << c.field.name << " \"" << platform::cp932ToUtf8Lossy(c.text) << "\"";
}

int check(const Field& f, const std::string& text) {
    auto buffer = exactBuffer(text);
    return CTextaid::CheckCode(buffer.data(), f.selector, f.halfKana, f.oneLine, f.value);
}

class CheckCodeTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckCodeTest, AdmitsWhatTheFieldAllows) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(check(c.field, c.text) == 0, c.admitted);
}

INSTANTIATE_TEST_SUITE_P(
    PointFields, CheckCodeTest,
    ::testing::Values(
        CheckCase{kPointName, sj("東京タワー"), true},
        CheckCase{kPointName, sj("Tokyo Tower 2 (B1F)"), true},
        CheckCase{kPointName, sj("ｾﾌﾞﾝｲﾚﾌﾞﾝ 芝公園店"), true},
        CheckCase{kPointName, sj("Ωαβ┼〓"), true},
        CheckCase{kPointName, "", true},
        CheckCase{kPointName, sj("東京\r\nタワー"), false},
        CheckCase{kPointName, sj("第①駐車場"), false},       // NEC row 13
        CheckCase{kPointName, sj("髙島屋"), false},          // IBM extension
        CheckCase{kPointName, sj("a\tb"), false},
        CheckCase{kPointReading, sj("トウキョウタワー"), true},
        CheckCase{kPointReading, sj("ヴァイオリン　ヽヾ・２"), true},
        CheckCase{kPointReading, sj("ﾄｳｷｮｳ"), false},
        CheckCase{kPointReading, sj("とうきょう"), false},
        CheckCase{kPointReading, sj("東京"), false},
        CheckCase{kPointReading, sj("Tokyo"), false},
        CheckCase{kTelephone, sj("03-3433-5111"), true},
        CheckCase{kTelephone, sj("+81 (3) 3433-5111 #2*"), true},
        CheckCase{kTelephone, sj("０３"), false},
        CheckCase{kTelephone, sj("03-3433-5111 内線"), false},
        CheckCase{kComment, sj("一行目\r\n二行目\r\n"), true},
        CheckCase{kComment, sj("LF only\nline"), true},
        CheckCase{kComment, sj("tab\there"), false},
        CheckCase{kComment, sj("ｶﾅ"), false},
        CheckCase{kComment, "esc\x1b del\x7f", false}));

INSTANTIATE_TEST_SUITE_P(
    MusicFields, CheckCodeTest,
    ::testing::Values(
        CheckCase{kMyDbNo, "12", true},
        CheckCase{kMyDbNo, "1 2", false},
        CheckCase{kMyDbNo, sj("１２"), false},
        CheckCase{kMyDbNo, "-1", false},
        CheckCase{kYear, "2004", true},
        CheckCase{kYear, " ", false},  // the year check admits " " itself
        CheckCase{kTitle, sj("Abbey Road"), true},
        CheckCase{kTitle, sj("ｱﾋﾞｲ ﾛｰﾄﾞ"), true},
        CheckCase{kTitle, sj("  空白  "), true},
        CheckCase{kTitle, " ", false},
        CheckCase{kTitle, sj("　　"), false},
        CheckCase{kTitle, sj("二行\r\nタイトル"), false},
        CheckCase{kReading, sj("あびいろーど"), true},
        CheckCase{kReading, sj("えーけーびー48 ゝ・ゞ"), true},
        CheckCase{kReading, sj("アビイ"), false},
        CheckCase{kReading, sj("abbey"), false},
        CheckCase{kReading, " ", false},
        CheckCase{kArtist, sj("The Beatles / ザ・ビートルズ"), true},
        CheckCase{kArtist, sj("ﾋﾞｰﾄﾙｽﾞ"), true},
        CheckCase{kArtist, sj("Line\r\nBreak"), false},
        CheckCase{kArtist, " ", true}));

INSTANTIATE_TEST_SUITE_P(
    BrokenBytes, CheckCodeTest,
    ::testing::Values(
        CheckCase{kComment, "abc\x82", false},        // cut-off double-byte character
        CheckCase{kComment, "\x82\x20x", false},      // lead byte with a non-trail byte
        CheckCase{kComment, "\xF0\x40", false},       // user-defined row
        CheckCase{kComment, "\xED\x40", false},       // NEC-selected IBM extension
        CheckCase{kComment, "\xFA\x40", false},       // IBM extension
        CheckCase{kComment, "\x85\x40", false},       // empty row
        CheckCase{kComment, "\x81\xAD", false},       // unassigned cell of row 2
        CheckCase{kComment, "\xEA\xA5", false},       // after the last kanji
        CheckCase{kComment, "\xEA\xA4", true},        // the last kanji
        CheckCase{kTitle, "\x80", false},
        CheckCase{kTitle, "\xA0", false}));

TEST(CheckCode, ReportsWhereTheFirstRefusedCharacterStarts) {
    EXPECT_EQ(check(kTitle, "ab\tc"), 3);
    EXPECT_EQ(check(kTitle, sj("日本") + "\x87\x40"), 5);
    EXPECT_EQ(check(kTitle, " "), 1);
    EXPECT_EQ(CTextaid::CheckCode(nullptr, 0x700, 0, 0, 0), -1);
}

// Selector bit 0x200 against the system's CP932 converter: every double-byte code the converter
// knows is JIS X 0208, except the extension and user-defined rows, which the unit cannot show.
TEST(CheckCode, JisClassMatchesTheCp932Converter) {
    auto extensionRow = [](unsigned lead) {
        return lead == 0x87 || lead == 0xED || lead == 0xEE || lead >= 0xF0;
    };
    int mismatches = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead < 0xE0) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            std::string ch{static_cast<char>(lead), static_cast<char>(trail)};
            bool known = platform::cp932ToUtf8(ch).has_value() && !extensionRow(lead);
            bool admitted = CTextaid::CheckCode(ch.c_str(), 0x200, 0, 0, 0) == 0;
            if (known != admitted && ++mismatches <= 10)
                ADD_FAILURE() << std::hex << "0x" << lead << trail << " converter " << known;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
