// Random bytes through every text service: no read past the NUL, and the promises hold: kana
// conversion keeps the length, the unit-to-PC conversion never grows and leaves only characters
// the free-text check admits.
#include <outside/Textaid.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A heap copy of exactly the text and its NUL (the input may hold NULs; the text ends at the
// first).
std::vector<char> textCopy(const std::uint8_t* data, std::size_t size) {
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    text.resize(std::strlen(text.data()) + 1);
    return text;
}

void require(bool condition) {
    if (!condition) std::abort();
}

void fuzzKana(const std::vector<char>& text) {
    std::vector<char> kata = text;
    CTextaid::HiraToKata(kata.data());
    require(std::strlen(kata.data()) == text.size() - 1);
    std::vector<char> again = kata;
    CTextaid::HiraToKata(again.data());
    require(again == kata);
    std::vector<char> hira = text;
    CTextaid::KataToHira(hira.data());
    require(std::strlen(hira.data()) == text.size() - 1);
}

void fuzzCheckCode(const std::vector<char>& text, unsigned short selector) {
    static const unsigned short kSelectors[] = {0x700, 3, 0x10, 0x300, 0xC, 0x30};
    for (unsigned short s : kSelectors)
        for (int options = 0; options < 8; ++options)
            CTextaid::CheckCode(text.data(), s, options & 1, (options >> 1) & 1, (options >> 2) & 1);
    int result = CTextaid::CheckCode(text.data(), selector, 0, 0, 0);
    require(result >= 0 && static_cast<std::size_t>(result) <= text.size());
}

void fuzzNaviText(const std::vector<char>& text) {
    for (int mode = 0; mode <= 1; ++mode) {
        std::vector<char> converted = text;
        require(CTextaid::ConvNaviToPcString(converted.data(), mode) == 1);
        require(std::strlen(converted.data()) <= text.size() - 1);
        require(CTextaid::CheckCode(converted.data(), 0x700, 1, mode == 0, 0) == 0);
    }
}

void fuzzGenre(const std::vector<char>& text, int genre) {
    char name[CTextaid::kGenreNameSize];
    if (CTextaid::GenreIntToStr(genre, name) == 1) require(CTextaid::GenreStrToWord(name) == genre);
    unsigned short code = CTextaid::GenreStrToWord(text.data());
    require(code <= CTextaid::kGenreCount);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    unsigned short selector = size >= 2 ? static_cast<unsigned short>(data[0] << 8 | data[1]) : 0;
    int genre = size >= 1 ? static_cast<signed char>(data[0]) : 0;
    std::vector<char> text = textCopy(data, size);
    fuzzKana(text);
    fuzzCheckCode(text, selector);
    fuzzNaviText(text);
    fuzzGenre(text, genre);
    return 0;
}
