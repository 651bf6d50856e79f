#include "Sjis.h"

#include <outside/Textaid.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* const kGenres[] = {"その他", "J-POP", "ロック/ポップス", "ジャズ", "クラシック",
                               "ヒップホップ/ラップ", "ブラック/ソウル", "クラブ/ダンス",
                               "ブルース", "レゲエ", "テクノ", "フュージョン", "サウンドトラック",
                               "ワールド", "演歌/民謡"};

TEST(Genre, NumbersAndNamesRoundTrip) {
    static_assert(std::size(kGenres) == CTextaid::kGenreCount);
    for (int genre = 1; genre <= CTextaid::kGenreCount; ++genre) {
        char name[CTextaid::kGenreNameSize];
        ASSERT_EQ(CTextaid::GenreIntToStr(genre, name), 1);
        EXPECT_EQ(std::string(name), sj(kGenres[genre - 1])) << genre;
        EXPECT_EQ(CTextaid::GenreStrToWord(name), genre);
    }
}

TEST(Genre, NoGenreGivesAnEmptyName) {
    for (int genre : {0, -1, 16, 65535}) {
        char name[CTextaid::kGenreNameSize];
        std::memset(name, 'x', sizeof name);
        EXPECT_EQ(CTextaid::GenreIntToStr(genre, name), 0) << genre;
        EXPECT_EQ(name[0], '\0');
    }
    EXPECT_EQ(CTextaid::GenreIntToStr(1, nullptr), 0);
}

TEST(Genre, UnknownNamesAreGenreZero) {
    EXPECT_EQ(CTextaid::GenreStrToWord(""), 0);
    EXPECT_EQ(CTextaid::GenreStrToWord(nullptr), 0);
    EXPECT_EQ(CTextaid::GenreStrToWord("J-POP "), 0);
    EXPECT_EQ(CTextaid::GenreStrToWord("ジャズ"), 0);  // UTF-8, not the unit's CP932
    EXPECT_EQ(CTextaid::GenreStrToWord(sj("ジャズ").c_str()), 4);
}

}  // namespace
