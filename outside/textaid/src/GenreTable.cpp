#include "GenreTable.h"

#include <outside/Textaid.h>
#include <platform/Cp932.h>

#include <array>
#include <string>

namespace textaid {
namespace {

// In code order from 1; 0 means "no genre".
constexpr std::array<std::string_view, CTextaid::kGenreCount> kUtf8Names{
    "その他", "J-POP", "ロック/ポップス", "ジャズ", "クラシック", "ヒップホップ/ラップ",
    "ブラック/ソウル", "クラブ/ダンス", "ブルース", "レゲエ", "テクノ", "フュージョン",
    "サウンドトラック", "ワールド", "演歌/民謡"};

const std::array<std::string, CTextaid::kGenreCount>& cp932Names() {
    static const auto names = [] {
        std::array<std::string, CTextaid::kGenreCount> converted;
        for (std::size_t i = 0; i < kUtf8Names.size(); ++i)
            converted[i] = platform::utf8ToCp932(kUtf8Names[i]).value_or(std::string());
        return converted;
    }();
    return names;
}

}  // namespace

std::string_view genreName(int genre) {
    if (genre < 1 || genre > CTextaid::kGenreCount) return {};
    return cp932Names()[static_cast<std::size_t>(genre - 1)];
}

unsigned short genreCode(std::string_view name) {
    if (name.empty()) return 0;
    const auto& names = cp932Names();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<unsigned short>(i + 1);
    return 0;
}

}  // namespace textaid
