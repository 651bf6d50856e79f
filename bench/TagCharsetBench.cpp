// How well the charset decision does on a collection of MP3 files whose legacy ID3 text is
// known: Shift_JIS (kanji, kana, half-width katakana, mixed with ASCII), UTF-8 and Latin-1 /
// Windows-1252, in ID3v2 frames that declare Latin-1 and in ID3v1 tags (ID3v1 also written by
// the ffmpeg command, which stores UTF-8 cut at 30 bytes). Prints per kind of file how often
// the decision is in doubt, how often it picks the wrong encoding, and how often the text would
// come out wrong, now and under the earlier rule (Shift_JIS whenever the bytes allow it).
//
//   TagCharsetBench [collection folder] [--list]   (default: ./tagtext-data; made on first run)
#include "Id3Tags.h"
#include "TagCharset.h"
#include "TagText.h"

#include <platform/Cp932.h>
#include <testsupport/Id3Bytes.h>
#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;
using soundkit::LegacyEncoding;

namespace {

// clang-format off
// Titles, artists, albums, genres and comments as a Japanese collection holds them.
const std::vector<std::string> kJapaneseTitles = {
    "桜の季節", "ありがとう", "さよならの向こう側", "夏の終わり", "東京の空", "君に届け",
    "ラブソング", "星空のディスタンス", "涙のキッス", "風になる", "恋しくて", "夢の続き", "青い春",
    "雪の華", "春よ、来い", "未来へ", "ひまわり", "海の見える街", "帰り道", "約束の場所",
    "もう一度", "愛のうた", "月光", "花火", "翼をください", "川の流れのように",
    "見上げてごらん夜の星を", "赤いスイートピー", "時の流れに身をまかせ", "また逢う日まで",
    "Happy Birthday ～君へ～", "Love Song (Album Version) ～夏～", "ＨＡＰＰＹ　ＤＡＹＳ",
    "Ｍｙ　Ｌｏｖｅ", "走れ！！", "いつか…", "「さよなら」の意味", "【ライブ】夏祭り",
    "第九交響曲 第四楽章", "ピアノソナタ第14番「月光」", "DJ MIX Vol.3 ～真夏の夜～", "CDシングル",
    "Mr.Sunshine feat. 花子", "恋のABC", "Tokyo ナイト", "Rock'n'Roll 魂", "Go! Go! ファイターズ",
    "ふるさと", "さくらさくら", "荒城の月", "故郷の空", "七つの子", "赤とんぼ", "一期一会",
    "天城越え", "津軽海峡・冬景色", "北の宿から", "襟裳岬", "瀬戸の花嫁", "神田川",
    "木綿のハンカチーフ", "檸檬", "薔薇は美しく散る", "鬱金香", "蝉時雨", "鰯雲", "蜃気楼",
    "麒麟の翼", "龍の髭", "イントロ", "インターミッション", "エンディング・テーマ", "オープニング",
    "ボーナストラック", "カラオケ", "(カラオケ)", "メドレー", "愛してる", "大好き", "ずっと一緒",
    "ごめんね", "ただいま", "おかえり", "ｌｏｖｅ　ｓｏｎｇ", "①はじまり", "Ⅱ.展開",
    "～プロローグ～", "♪ハミング♪", "★スター★", "アイ", "Ｊ", "夢", "Yesterday ～昨日～",
    "Forever Love (Piano ver.)", "SUMMER ドライブ", "ラブ・ストーリーは突然に",
    "ＤＡＮＣＥ　ＤＡＮＣＥ", "Smile again 笑顔で", "BLUE 青", "MUSIC 音楽のちから",
    "Christmas 雪の夜に", "Night ＆ Day"};
const std::vector<std::string> kJapaneseArtists = {
    "山田太郎", "佐藤花子", "サクラバンド", "ザ・ミドリーズ", "東京スカイライン", "DJ ヒカル",
    "ケンジ&ユミ", "星野みなみ", "夏川りん", "オーケストラ・ハルモニア", "少年少女合唱団",
    "鈴木一郎とその仲間たち", "ＫＡＺＵ", "ヴァリアス・アーティスト", "中島さくら", "伊藤健太郎",
    "高橋美咲", "渡辺翔", "加藤バンド", "森の音楽隊", "風の旅人", "月夜のピエロ", "ブルーライト",
    "ｍｏｍｏ", "東京交響楽団", "琴音", "凛", "麗奈", "龍之介", "Hiro & 彩", "MIKA with 仲間たち"};
const std::vector<std::string> kJapaneseAlbums = {
    "ベスト・オブ・ヒッツ", "シングルコレクション", "夏の思い出", "冬物語", "ファーストアルバム",
    "ライブ・イン・東京", "アニメソング大全集", "童謡・唱歌集", "演歌の花道", "クラシック名曲集",
    "サウンドトラック", "未発表曲集", "青春の歌", "Best Selection ～10年の軌跡～", "GOLDEN ベスト"};
const std::vector<std::string> kJapaneseGenres = {
    "", "J-Pop", "アニメ", "演歌", "Rock", "クラシック", "歌謡曲", "童謡", "(13)"};
const std::vector<std::string> kJapaneseComments = {
    "", "", "ライブ録音", "2003年 東京公演", "初回限定盤", "カラオケ付き", "ボーナス・トラック収録"};
const std::vector<std::string> kHalfWidthTitles = {
    "ｻｸﾗ", "ﾗﾌﾞｿﾝｸﾞ", "ﾄｳｷｮｳ ﾅｲﾄ", "ｱﾘｶﾞﾄｳ", "ｶﾗｵｹ", "ﾕﾒﾉﾂﾂﾞｷ", "ﾎｼｿﾞﾗ", "ｷﾐﾆ ﾄﾄﾞｹ", "ﾅﾂﾉｵﾜﾘ",
    "ﾌｭｰﾁｬｰ", "ﾐﾗｲﾍ", "ﾋﾏﾜﾘ", "ｶｴﾘﾐﾁ", "ﾔｸｿｸ", "ﾓｳｲﾁﾄﾞ", "Love ｿﾝｸﾞ", "DJ ﾋｶﾙ", "ｲﾝﾄﾛ", "ｴﾝﾃﾞｨﾝｸﾞ",
    "ﾎﾞｰﾅｽﾄﾗｯｸ", "01 ｵｰﾌﾟﾆﾝｸﾞ", "ｻﾏｰ ﾀｲﾑ", "ﾀﾀﾞｲﾏ", "ｵｶｴﾘ", "ﾊｯﾋﾟｰ", "ﾌﾞﾙｰｽ", "ﾛｯｸ", "ｼﾞｬｽﾞ",
    "夏のｻﾏｰ", "ﾒﾄﾞﾚｰ"};
const std::vector<std::string> kHalfWidthArtists = {
    "ﾔﾏﾀﾞ ﾀﾛｳ", "ｻｸﾗﾊﾞﾝﾄﾞ", "ﾎｼﾉ ﾐﾅﾐ", "ﾅﾂｶﾜ ﾘﾝ", "ｹﾝｼﾞ&ﾕﾐ", "ﾋﾛ"};
const std::vector<std::string> kHalfWidthAlbums = {
    "ﾍﾞｽﾄ", "ｼﾝｸﾞﾙｽﾞ", "ﾗｲﾌﾞ", ""};
const std::vector<std::string> kLatinTitles = {
    "Motörhead", "Überall", "Mädchen", "Für Elise", "Les Misérables", "Ça plane pour moi",
    "Café del Mar", "Déjà vu", "Crème brûlée", "Frère Jacques", "Mañana", "São Paulo", "Coração",
    "Naïve", "Øresund", "Straße", "Grüße aus Köln", "Schön ist die Welt", "Hände hoch",
    "Tränen lügen nicht", "Fräulein", "Göteborg", "Malmö", "Kärlek", "Résumé", "L'été indien",
    "Dançando", "Canción de cuna", "Corazón", "Olé", "Adiós amigos", "Pièce montée",
    "Fête de la musique", "Rêve", "Hôtel", "Château", "Garçon", "Noël", "Zoë", "Ångström",
    "Smörgåsbord", "København", "Ménage à trois", "Señorita", "Niño", "Düsseldorf", "Jardín",
    "Où es-tu", "À la claire fontaine", "Über den Wolken", "Süß", "Weiß", "Größe", "Bäckerei",
    "Ärger", "Öl", "Pokémon", "Él", "Más", "Sí", "Être", "Île", "Âme", "Zürich", "Genève",
    "Montréal", "Québec", "Bogotá", "Perú", "Málaga", "Córdoba", "León", "Mönchengladbach",
    "Nürnberg", "Fußball", "Käse", "Bücher", "Lächeln", "Fröhliche Weihnachten", "Ave María",
    "Canção do mar", "Água de beber", "Pão de Açúcar", "Blåbær", "Æble", "Tschüss", "Jürgen",
    "Müller"};
const std::vector<std::string> kLatinArtists = {
    "Jürgen Müller", "Anaïs Dubois", "José Martínez", "Björn Åkesson", "Søren Kjær",
    "François Lefèvre", "Zoë Grünberg", "Les Frères Bélanger", "Orquesta Típica",
    "Los Niños Cantores", "Ólafur Þórsson", "Émile Durand", "Renée Hoffmann", "Hans Weber",
    "Maria Stein"};
const std::vector<std::string> kLatinAlbums = {
    "Grandes éxitos", "Das Beste", "Chansons françaises", "Música del mundo", "Live à Paris",
    "Sommerhits 2004", "Weihnachtslieder", "Café Lounge", "Best of", ""};
const std::vector<std::string> kLatinGenres = {
    "", "Pop", "Rock", "Chanson", "Schlager", "Klassik", "Música latina"};
const std::vector<std::string> kLatinComments = {
    "", "", "Aufgenommen in München", "Enregistré à Montréal", "Grabado en Córdoba"};

// Windows-1252 punctuation in frames that claim Latin-1.
const std::vector<std::string> kWindows1252Titles = {
    "Don’t Stop", "It’s My Life", "“Live” at the Hall", "Rock – Live", "Love…", "Don’t Look Back",
    "L’amour", "C’est la vie", "Rock ’n’ Roll", "Ain’t No Mountain", "I’m Yours", "Chœur",
    "€uro Dance", "Trademark™", "— Interlude —", "Dancin’", "Rockin’ Robin", "‘Round Midnight",
    "Don’t Cry", "Who’s That"};
// clang-format on

struct Entry {
    std::string title, artist, album, genre, comment;
};

// `count` files' worth of text drawn from the lists in turn.
std::vector<Entry> entries(const std::vector<std::string>& titles,
                           const std::vector<std::string>& artists,
                           const std::vector<std::string>& albums,
                           const std::vector<std::string>& genres,
                           const std::vector<std::string>& comments) {
    std::vector<Entry> out;
    for (std::size_t i = 0; i < titles.size(); ++i)
        out.push_back({titles[i], artists[i % artists.size()], albums[i % albums.size()],
                       genres[i % genres.size()], comments[i % comments.size()]});
    return out;
}

std::string encodeAs(const std::string& utf8, const char* encoding) {
    if (std::string(encoding) == "utf8") return utf8;
    if (std::string(encoding) == "sjis") return platform::utf8ToCp932(utf8).value();
    // Windows-1252, through Unicode code points (the lists hold nothing beyond it).
    static const std::map<char32_t, unsigned char> kC1 = {
        {0x20AC, 0x80}, {0x2026, 0x85}, {0x0153, 0x9C}, {0x2122, 0x99}, {0x2018, 0x91},
        {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2013, 0x96}, {0x2014, 0x97}};
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = soundkit::TagCharset::utf8SequenceLength(utf8, i);
        auto b = static_cast<unsigned char>(utf8[i]);
        char32_t cp = n == 1 ? b : n == 2 ? (b & 0x1F) : (b & 0x0F);
        for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
        out += static_cast<char>(cp < 0x100 ? cp : kC1.at(cp));
        i += n;
    }
    return out;
}

std::string v2Tag(const Entry& e, const char* encoding) {
    using testsupport::id3v2Frame;
    std::string frames = id3v2Frame("TIT2", 0, encodeAs(e.title, encoding)) +
                         id3v2Frame("TPE1", 0, encodeAs(e.artist, encoding));
    if (!e.album.empty()) frames += id3v2Frame("TALB", 0, encodeAs(e.album, encoding));
    if (!e.genre.empty()) frames += id3v2Frame("TCON", 0, encodeAs(e.genre, encoding));
    if (!e.comment.empty()) frames += testsupport::id3v2Comment(0, encodeAs(e.comment, encoding));
    return testsupport::id3v2Tag(frames);
}

std::string v1Tag(const Entry& e, const char* encoding) {
    return testsupport::id3v1Tag(encodeAs(e.title, encoding), encodeAs(e.artist, encoding), 1,
                                 encodeAs(e.album, encoding), encodeAs(e.comment, encoding));
}

bool fitsLatin1(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = soundkit::TagCharset::utf8SequenceLength(utf8, i);
        if (n == 0 || n > 2 || (n == 2 && static_cast<unsigned char>(utf8[i]) > 0xC3)) return false;
        i += n;
    }
    return true;
}

std::uint32_t le32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(k)]);
    return v;
}

// Translated messages of the system's programs (gettext catalogues of the given languages): a
// large supply of short real-world text that the lists above were not tuned on. Only texts that
// `fits` and hold non-ASCII characters, at most `limit`.
std::vector<std::string> systemMessages(const std::vector<std::string>& languages,
                                        bool (*fits)(const std::string&), std::size_t limit) {
    std::vector<std::string> out;
    std::map<std::string, bool> seen;
    for (const std::string& language : languages) {
        fs::path folder = "/usr/share/locale/" + language + "/LC_MESSAGES";
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) {
            std::string b = testsupport::readFile(entry.path().string());
            if (b.size() < 28 || le32(b, 0) != 0x950412de) continue;
            std::uint32_t count = le32(b, 8), table = le32(b, 16);
            for (std::uint32_t i = 1; i < count && out.size() < limit; ++i) {
                std::size_t at = table + 8 * std::size_t(i);
                if (at + 8 > b.size()) break;
                std::uint32_t length = le32(b, at), offset = le32(b, at + 4);
                if (offset > b.size() || length > b.size() - offset) break;
                std::string text = b.substr(offset, length);
                text = text.substr(0, text.find('\0'));
                if (text.size() < 2 || text.size() > 60 ||
                    text.find_first_of("%\n\t\\_&") != std::string::npos || !fits(text) ||
                    std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; }) ||
                    seen[text])
                    continue;
                seen[text] = true;
                out.push_back(text);
            }
        }
    }
    return out;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Writes the collection and its manifest (file, true encoding) into `folder`.
void makeCollection(const fs::path& folder) {
    fs::create_directories(folder);
    setenv("HARBROOK_TEST_CACHE", folder.c_str(), 1);
    std::string audio = testsupport::readFile(testsupport::toneFile(
        "plain.mp3", 44100, 2, "libmp3lame", 128000, 0.2, "-write_xing 0 -id3v2_version 0"));
    std::ofstream manifest(folder / "manifest.tsv");
    auto add = [&](const std::string& kind, const char* encoding, const std::vector<Entry>& list,
                   bool v1) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            std::string name = kind + "-" + std::to_string(i) + ".mp3";
            writeFile(folder / name,
                      v1 ? audio + v1Tag(list[i], encoding) : v2Tag(list[i], encoding) + audio);
            manifest << name << '\t' << kind << '\t' << encoding << '\n';
        }
    };
    auto japanese = entries(kJapaneseTitles, kJapaneseArtists, kJapaneseAlbums, kJapaneseGenres,
                            kJapaneseComments);
    auto halfWidth = entries(kHalfWidthTitles, kHalfWidthArtists, kHalfWidthAlbums, {""}, {""});
    auto latin = entries(kLatinTitles, kLatinArtists, kLatinAlbums, kLatinGenres, kLatinComments);
    auto windows1252 = entries(kWindows1252Titles, kLatinArtists, kLatinAlbums, kLatinGenres, {""});
    // Title-only files: the least text a decision ever gets.
    auto japaneseTitleOnly = entries(kJapaneseTitles, {""}, {""}, {""}, {""});
    auto latinTitleOnly = entries(kLatinTitles, {""}, {""}, {""}, {""});
    add("v2-sjis", "sjis", japanese, false);
    add("v1-sjis", "sjis", japanese, true);
    add("v2-sjis-title-only", "sjis", japaneseTitleOnly, false);
    add("v2-halfwidth", "sjis", halfWidth, false);
    add("v1-halfwidth", "sjis", halfWidth, true);
    add("v2-utf8-japanese", "utf8", japanese, false);
    add("v2-utf8-latin", "utf8", latin, false);
    add("v2-latin1", "latin1", latin, false);
    add("v1-latin1", "latin1", latin, true);
    add("v2-latin1-title-only", "latin1", latinTitleOnly, false);
    add("v2-cp1252", "latin1", windows1252, false);
    add("v1-cp1252", "latin1", windows1252, true);
    auto japaneseMessages = systemMessages(
        {"ja"}, [](const std::string& t) { return platform::utf8ToCp932(t).has_value(); }, 1500);
    auto latinMessages = systemMessages(
        {"de", "fr", "es", "pt", "it", "sv", "da", "nl", "fi", "is", "nb"}, fitsLatin1, 1500);
    for (auto [kind, encoding, messages] :
         {std::tuple{"messages-ja", "sjis", &japaneseMessages},
          std::tuple{"messages-latin", "latin1", &latinMessages}}) {
        std::vector<std::string> titles(messages->begin(),
                                        messages->begin() + messages->size() / 2);
        std::vector<std::string> artists(messages->begin() + messages->size() / 2, messages->end());
        add(std::string("v2-title-only-") + kind, encoding, entries(titles, {""}, {""}, {""}, {""}),
            false);
        add(std::string("v2-") + kind, encoding, entries(titles, artists, {""}, {""}, {""}), false);
        add(std::string("v1-") + kind, encoding, entries(artists, titles, {""}, {""}, {""}), true);
    }
    // ID3v1 as the ffmpeg command writes it: UTF-8 bytes, cut at 30 bytes.
    for (std::size_t i = 0; i < japanese.size(); i += 3) {
        const Entry& e = i % 2 ? latin[i % latin.size()] : japanese[i];
        std::string name = "v1-ffmpeg-" + std::to_string(i) + ".mp3";
        std::string tagged = testsupport::toneFile(
            name, 44100, 2, "libmp3lame", 128000, 0.2,
            "-id3v2_version 0 -write_id3v1 1 -metadata title=" + testsupport::shellQuote(e.title) +
                " -metadata artist=" + testsupport::shellQuote(e.artist) +
                " -metadata album=" + testsupport::shellQuote(e.album));
        manifest << fs::path(tagged).filename().string() << "\tv1-ffmpeg-utf8\tutf8\n";
    }
}

LegacyEncoding truthOf(const std::string& encoding) {
    if (encoding == "sjis") return LegacyEncoding::ShiftJis;
    if (encoding == "utf8") return LegacyEncoding::Utf8;
    return LegacyEncoding::Latin1;
}

// The title and artist as the records would hold them.
std::string recordText(const soundkit::Id3Tags& tags, LegacyEncoding encoding) {
    std::string out;
    for (soundkit::Id3Field f : {soundkit::Id3Field::Title, soundkit::Id3Field::Artist}) {
        const soundkit::LegacyText* text = tags.legacy(f);
        std::string cp932 = text ? soundkit::TagText::fromLegacy(*text, encoding) : std::string();
        out += cp932.substr(0, platform::cp932CutLength(cp932, 32)) + '\n';
    }
    return out;
}

struct Counts {
    int files = 0, doubt = 0, wrongEncoding = 0, wrongText = 0, wrongTextBefore = 0;
};

}  // namespace

int main(int argc, char** argv) {
    fs::path folder = "tagtext-data";
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--list")
            list = true;
        else
            folder = argv[i];
    }
    if (!fs::exists(folder / "manifest.tsv")) makeCollection(folder);

    std::map<std::string, Counts> byKind;
    std::ifstream manifest(folder / "manifest.tsv");
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string name, kind, encoding;
        std::getline(fields, name, '\t');
        std::getline(fields, kind, '\t');
        std::getline(fields, encoding, '\t');
        soundkit::Id3Tags tags = soundkit::Id3Tags::read((folder / name).string());
        std::vector<soundkit::LegacyText> texts = tags.legacyTexts();
        LegacyEncoding decided = soundkit::TagCharset::decide(texts);
        LegacyEncoding truth = truthOf(encoding);
        std::string expected = recordText(tags, truth);
        Counts& c = byKind[kind];
        ++c.files;
        bool doubt = decided == LegacyEncoding::Undecided;
        bool wrongEncoding = !doubt && decided != LegacyEncoding::Ascii && decided != truth;
        bool wrongText = recordText(tags, decided) != expected;
        c.doubt += doubt;
        c.wrongEncoding += wrongEncoding;
        c.wrongText += wrongText;
        c.wrongTextBefore += recordText(tags, LegacyEncoding::Undecided) != expected;
        if (list && (doubt || wrongEncoding || wrongText))
            std::printf("%s %s: %s", doubt ? "doubt" : "wrong", name.c_str(),
                        platform::cp932ToUtf8Lossy(recordText(tags, decided)).c_str());
    }
    Counts total;
    std::printf("%-30s %6s %6s %8s %10s %12s\n", "kind", "files", "doubt", "wrong", "wrong text",
                "before (text)");
    for (const auto& [kind, c] : byKind) {
        std::printf("%-30s %6d %6d %8d %10d %12d\n", kind.c_str(), c.files, c.doubt,
                    c.wrongEncoding, c.wrongText, c.wrongTextBefore);
        total.files += c.files;
        total.doubt += c.doubt;
        total.wrongEncoding += c.wrongEncoding;
        total.wrongText += c.wrongText;
        total.wrongTextBefore += c.wrongTextBefore;
    }
    std::printf("%-30s %6d %6d %8d %10d %12d\n", "total", total.files, total.doubt,
                total.wrongEncoding, total.wrongText, total.wrongTextBefore);
    return 0;
}
