#include "Sjis.h"

#include <outside/Textaid.h>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct NaviCase {
    int mode;
    std::string unitText;  // CP932
    std::string pcText;
};

std::ostream& operator<<(std::ostream& out, const NaviCase& c) {
    return out << "mode " << c.mode << " \"" << platform::cp932ToUtf8Lossy(c.unitText) << "\"";
}

class NaviTextTest : public ::testing::TestWithParam<NaviCase> {};

TEST_P(NaviTextTest, ConvertsInPlaceNeverLonger) {
    auto buffer = exactBuffer(GetParam().unitText);
    EXPECT_EQ(CTextaid::ConvNaviToPcString(buffer.data(), GetParam().mode), 1);
    EXPECT_EQ(std::string(buffer.data()), GetParam().pcText);
}

INSTANTIATE_TEST_SUITE_P(
    TrackTexts, NaviTextTest,
    ::testing::Values(NaviCase{0, sj("Abbey Road"), sj("Abbey Road")},
                      NaviCase{0, sj("夜空ノムコウ　  "), sj("夜空ノムコウ")},
                      NaviCase{0, "Title\r\n", "Title"},
                      NaviCase{0, "A\tB\x01" "C", "A B C"},
                      NaviCase{0, sj("第①章"), sj("第〓章")},
                      NaviCase{0, sj("ｶﾀｶﾅ"), sj("ｶﾀｶﾅ")},
                      NaviCase{0, "abc\x82", "abc"},
                      NaviCase{0, "\x82\x20x", "? x"},
                      NaviCase{0, "\x80\xA0\xFD", "???"},
                      NaviCase{0, "   ", ""}));

INSTANTIATE_TEST_SUITE_P(
    PointTexts, NaviTextTest,
    ::testing::Values(NaviCase{1, sj("一行目\r\n二行目"), sj("一行目\r\n二行目")},
                      NaviCase{1, "line\n  ", "line\n"},
                      NaviCase{1, "a\tb\x7f", "a b"},
                      NaviCase{1, sj("東京タワー　　"), sj("東京タワー")},
                      NaviCase{1, "\xED\x40\xFA\x40", sj("〓〓")}));

TEST(NaviText, RefusesUnknownModeAndNull) {
    auto buffer = exactBuffer("a\tb ");
    EXPECT_EQ(CTextaid::ConvNaviToPcString(buffer.data(), 2), 0);
    EXPECT_EQ(std::string(buffer.data()), "a\tb ");
    EXPECT_EQ(CTextaid::ConvNaviToPcString(nullptr, 0), 0);
}

}  // namespace
