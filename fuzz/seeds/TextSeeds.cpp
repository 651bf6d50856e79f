// Texts for the text targets: code page 932 of every character class the text services tell
// apart, and legacy tag text (Shift_JIS, UTF-8 and Latin-1 in ID3 fields) for the tag charset
// decision.
#include "Seeds.h"

#include "SeedFolder.h"

#include <outside/Textaid.h>
#include <testsupport/Id3Bytes.h>

#include <string>

namespace fuzzseeds {
namespace {

using testsupport::id3v1Tag;
using testsupport::id3v2Comment;
using testsupport::id3v2Frame;
using testsupport::id3v2Tag;

// The tag charset target reads its input as NUL-separated fields, and also, after its first
// byte, as the rest of an ID3v2 tag (first byte even: "ID3" goes in front) or as the body of an
// ID3v1 tag (odd). These build inputs of both kinds from whole tags.
std::string asId3v2Input(const std::string& tag) {
    return "\x02" + tag.substr(3);
}
std::string asId3v1Input(const std::string& tag) {
    return "\x01" + tag.substr(3);
}

std::string latin1Frames(const std::string& title, const std::string& artist,
                         const std::string& album) {
    return id3v2Frame("TIT2", 0, title) + id3v2Frame("TPE1", 0, artist) +
           id3v2Frame("TALB", 0, album) + id3v2Comment(0, title);
}

}  // namespace

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

void writeTagCharsetSeeds(const std::string& root) {
    const SeedFolder seeds(root, "TagCharsetFuzz");
    const std::string sjis(kNihongo), artist(kKashu), kana(kHalfWidthKana);
    const std::string utf8 = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // 日本語
    const std::string latin1 = "Caf\xE9 na\xEFve";
    // A Shift_JIS text filling a 30-byte ID3v1 field, cut after a lead byte.
    const std::string cut = "A" + sjis + sjis + sjis + sjis + sjis.substr(0, 5);
    seeds.add("fields_shift_jis.txt", sjis + '\0' + artist + '\0' + kana + '\0' + '\x01' + cut);
    seeds.add("fields_utf8.txt", utf8 + '\0' + utf8 + "ABC");
    seeds.add("fields_latin1.txt", latin1 + '\0' + "Stra\xDF" "e" + '\0' + "\xA9 2001");
    seeds.add("fields_ascii.txt", std::string("Title\0Artist\0Album", 18));
    seeds.add("id3v2_shift_jis.txt", asId3v2Input(id3v2Tag(latin1Frames(sjis, artist, kana))));
    seeds.add("id3v2_utf8.txt", asId3v2Input(id3v2Tag(latin1Frames(utf8, utf8, "Album"))));
    seeds.add("id3v2_latin1.txt",
              asId3v2Input(id3v2Tag(latin1Frames(latin1, "Bj\xF6rk", "Album"))));
    seeds.add("id3v2_utf16.txt",
              asId3v2Input(id3v2Tag(id3v2Frame("TIT2", 1, "\xFF\xFE\xE5\x65\x2C\x67") +
                                    id3v2Frame("TPE1", 0, sjis))));
    seeds.add("id3v1_shift_jis.txt", asId3v1Input(id3v1Tag(cut, artist, 3, kana, sjis)));
    seeds.add("id3v1_latin1.txt", asId3v1Input(id3v1Tag(latin1, "Artist", 1, "Album", "")));
}

}  // namespace fuzzseeds
