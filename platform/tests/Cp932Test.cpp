#include <platform/Cp932.h>

#include <gtest/gtest.h>

#include <cstring>

using namespace platform;

TEST(Cp932, RoundTripsJapaneseAndAscii) {
    const std::string utf8 = "日本語 ABC ｶﾅ ①";  // kanji, ASCII, half-width kana, NEC extension
    auto sjis = utf8ToCp932(utf8);
    ASSERT_TRUE(sjis);
    EXPECT_EQ(*sjis, std::string("\x93\xfa\x96\x7b\x8c\xea ABC \xb6\xc5 \x87\x40"));
    EXPECT_EQ(cp932ToUtf8(*sjis), utf8);
}

TEST(Cp932, RefusesWhatItCannotConvert) {
    EXPECT_FALSE(utf8ToCp932("emoji \xF0\x9F\x98\x80"));
    EXPECT_FALSE(utf8ToCp932("\xFF broken utf8"));
    EXPECT_FALSE(cp932ToUtf8("\x93"));  // truncated double-byte character
    EXPECT_EQ(cp932ToUtf8Lossy("A\x93"), "A\xEF\xBF\xBD");
}

TEST(Cp932, CutNeverSplitsADoubleByteCharacter) {
    const std::string text = "A\x93\xfa\x96\x7b";  // "A日本"
    EXPECT_EQ(cp932CutLength(text, 0), 0u);
    EXPECT_EQ(cp932CutLength(text, 1), 1u);
    EXPECT_EQ(cp932CutLength(text, 2), 1u);
    EXPECT_EQ(cp932CutLength(text, 3), 3u);
    EXPECT_EQ(cp932CutLength(text, 4), 3u);
    EXPECT_EQ(cp932CutLength(text, 99), 5u);
    EXPECT_EQ(cp932CutLength("AB\x93", 10), 2u);  // a lone lead byte at the end is dropped
    EXPECT_EQ(cp932CutLength("\xb6\xb6", 1), 1u);  // half-width kana are single bytes
}

TEST(Cp932, FixedFieldKeepsTerminatorAndZeroFill) {
    char field[6];
    std::memset(field, 'x', sizeof field);
    copyCp932Field(field, sizeof field, "AB\x93\xfa\x96\x7b");  // 6 bytes: only "AB日" fits
    EXPECT_EQ(std::string(field, 6), std::string("AB\x93\xfa\0\0", 6));
    EXPECT_EQ(fieldText(field, sizeof field), "AB\x93\xfa");
    char full[3] = {'a', 'b', 'c'};
    EXPECT_EQ(fieldText(full, 3), "abc");  // unterminated field never read past its end
}

TEST(Cp932, TellsCodePage932FromUtf8ByTheirBytes) {
    const std::string sjis = utf8ToCp932("アルバム ｱﾙﾊﾞﾑ 歌手").value();
    const std::string utf8 = "アルバム 歌手";
    EXPECT_EQ(cp932InvalidByte(sjis), std::string_view::npos);
    EXPECT_FALSE(isUtf8BeyondAscii(sjis));
    EXPECT_TRUE(isUtf8BeyondAscii(utf8));
    EXPECT_FALSE(isUtf8BeyondAscii("plain ASCII"));
    EXPECT_EQ(cp932InvalidByte("ab\x81"), 2u);      // lead byte at the end
    EXPECT_EQ(cp932InvalidByte("a\x82\x0D"), 1u);  // a line end cannot be a second byte
}
