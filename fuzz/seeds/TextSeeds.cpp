// Code page 932 texts for the text services: every character class the checks and conversions
// tell apart, genre names, and the unit's own text form.
#include "Seeds.h"

#include "SeedFolder.h"

#include <outside/Textaid.h>

#include <string>

namespace fuzzseeds {

void writeTextaidSeeds(const std::string& root) {
    const SeedFolder seeds(root, "TextaidFuzz");
    seeds.add("ascii.txt", "Harbrook 123 ABC abc !#$%&'()*+,-./");
    seeds.add("hiragana.txt", std::string(kHiragana) + "\x82\xaa\x82\xcf\x82\xf1");  // あいうがぱん
    seeds.add("katakana.txt",
              std::string(kKatakana) + "\x83\x4b\x83\x70\x83\x93\x83\x94\x81\x5b");  // ガパンヴー
    seeds.add("half_width.txt",
              std::string(kHalfWidthKana) + "\xb6\xde\xca\xdf\xdd\xb0");  // ｶﾞﾊﾟﾝｰ
    seeds.add("kanji.txt", std::string(kNihongo) + std::string(kKashu) + "\x88\x9f\xea\xa4");
    seeds.add("telephone.txt", "03-1234-5678 (045)");
    seeds.add("full_width.txt",
              "\x82\x60\x82\x61\x82\x4f\x82\x50\x81\x40\x81\x5b\x81\x60");  // ＡＢ０１　ー～
    seeds.add("extensions.txt", "\x87\x40\x87\x90\xed\x40\xfa\x40\xfc\x4b");  // NEC and IBM rows
    seeds.add("broken.txt", "\x82\x82\x81\x00\xfd\xff\x80\xa0");
    seeds.add("controls.txt", "a\tb\r\nc\x1a\x7f");
    for (int genre = 1; genre <= CTextaid::kGenreCount; genre += 7) {
        char name[CTextaid::kGenreNameSize + 1] = {};
        if (CTextaid::GenreIntToStr(genre, name))
            seeds.add("genre" + std::to_string(genre) + ".txt", name);
    }
}

}  // namespace fuzzseeds
