#include <outside/Textaid.h>

#include "CodeCheck.h"
#include "GenreTable.h"
#include "KanaMap.h"
#include "NaviText.h"

#include <string_view>

void CTextaid::HiraToKata(char* text) {
    textaid::mapDoubleByteChars(text, textaid::katakanaOf);
}

void CTextaid::KataToHira(char* text) {
    textaid::mapDoubleByteChars(text, textaid::hiraganaOf);
}

int CTextaid::CheckCode(const char* text, const unsigned short& selector, const int& halfKana,
                        const int& oneLine, const int& value) {
    return textaid::checkCode(text, selector, {halfKana != 0, oneLine != 0, value != 0});
}

int CTextaid::ConvNaviToPcString(char* text, const int& mode) {
    if (text == nullptr || (mode != 0 && mode != 1)) return 0;
    textaid::naviToPc(text, mode == 1 ? textaid::NaviTextKind::Point : textaid::NaviTextKind::Track);
    return 1;
}

int CTextaid::GenreIntToStr(int genre, char* name) {
    if (name == nullptr) return 0;
    std::string_view text = textaid::genreName(genre);
    name[text.copy(name, text.size())] = '\0';
    return text.empty() ? 0 : 1;
}

unsigned short CTextaid::GenreStrToWord(const char* name) {
    return name == nullptr ? 0 : textaid::genreCode(name);
}
