#include "Sjis.h"

#include <outside/Textaid.h>

#include <gtest/gtest.h>

namespace {

// Every hiragana of JIS X 0208 with its katakana, in code order: voiced, semi-voiced and small
// kana included.
const char* const kHiragana =
    "ぁあぃいぅうぇえぉおかがきぎくぐけげこごさざしじすずせぜそぞただちぢっつづてでとどなにぬねの"
    "はばぱひびぴふぶぷへべぺほぼぽまみむめもゃやゅゆょよらりるれろゎわゐゑをんゝゞ";
const char* const kKatakana =
    "ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネノ"
    "ハバパヒビピフブプヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲンヽヾ";

struct KanaPair {
    std::string hiragana;  // CP932
    std::string katakana;
};

std::vector<KanaPair> allPairs() {
    std::string hira = sj(kHiragana);
    std::string kata = sj(kKatakana);
    std::vector<KanaPair> pairs;
    for (std::size_t i = 0; i + 1 < hira.size(); i += 2)
        pairs.push_back({hira.substr(i, 2), kata.substr(i, 2)});
    return pairs;
}

std::string hiraToKata(const std::string& text) {
    auto buffer = exactBuffer(text);
    CTextaid::HiraToKata(buffer.data());
    return buffer.data();
}

std::string kataToHira(const std::string& text) {
    auto buffer = exactBuffer(text);
    CTextaid::KataToHira(buffer.data());
    return buffer.data();
}

class KanaPairTest : public ::testing::TestWithParam<KanaPair> {};

TEST_P(KanaPairTest, ConvertsBothWays) {
    EXPECT_EQ(hiraToKata(GetParam().hiragana), GetParam().katakana);
    EXPECT_EQ(kataToHira(GetParam().katakana), GetParam().hiragana);
}

INSTANTIATE_TEST_SUITE_P(EveryKana, KanaPairTest, ::testing::ValuesIn(allPairs()));

TEST(Kana, ConvertsWithinMixedText) {
    EXPECT_EQ(hiraToKata(sj("きょうは Tokyo タワーへ、ぱぴぷ。")), sj("キョウハ Tokyo タワーヘ、パピプ。"));
    EXPECT_EQ(kataToHira(sj("ビートルズ（ＣＤ）ヵ月")), sj("びーとるず（ＣＤ）ヵ月"));
}

TEST(Kana, LeavesCharactersWithoutCounterpart) {
    for (const char* utf8 : {"ヴ", "ヵ", "ヶ", "ｱｲｳｶﾞ", "漢字", "ー", "ABC123", "①"}) {
        std::string text = sj(utf8);
        EXPECT_EQ(kataToHira(text), text) << utf8;
        EXPECT_EQ(hiraToKata(text), text) << utf8;
    }
}

TEST(Kana, WalksCharactersNotBytePairs) {
    // "≠" (0x81 0x82) then "ｱ" (0xB1): the bytes 0x82 0xB1 in between are not a hiragana.
    std::string text = "\x81\x82\xB1";
    EXPECT_EQ(hiraToKata(text), text);
}

TEST(Kana, StopsAtATruncatedDoubleByteCharacter) {
    EXPECT_EQ(hiraToKata(sj("か") + "\x82"), sj("カ") + "\x82");
    EXPECT_EQ(kataToHira(sj("カ") + "\x83"), sj("か") + "\x83");
    CTextaid::HiraToKata(nullptr);  // tolerated
    CTextaid::KataToHira(nullptr);
}

}  // namespace
