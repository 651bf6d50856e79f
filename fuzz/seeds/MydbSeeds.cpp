// myDB text files: rows written by the program's own writer, the same text with each kind of line
// end, the older "#CD" form, Ctrl-Z endings, lines with too many columns, rows the check refuses,
// and a file at the row limit.
#include "Seeds.h"

#include "SeedFolder.h"

#include <mydb/MyDbFileWriter.h>
#include <mydb/MyDbRow.h>
#include <outside/Textaid.h>

#include <string>
#include <vector>

namespace fuzzseeds {
namespace {

std::string genreName(int genre) {
    char name[CTextaid::kGenreNameSize + 1] = {};
    return CTextaid::GenreIntToStr(genre, name) ? std::string(name) : std::string();
}

// The columns playlist and track rows share.
MyDbRow row(std::string_view command, int no, std::string_view title, std::string_view artist) {
    MyDbRow r = mydb::blankRow();
    mydb::setField(r, MyDbField::Command, command);
    mydb::setField(r, MyDbField::No, std::to_string(no));
    mydb::setField(r, MyDbField::Title, title);
    mydb::setField(r, MyDbField::TitleReading, kHiragana);
    mydb::setField(r, MyDbField::Artist, artist);
    mydb::setField(r, MyDbField::Genre, genreName(no % CTextaid::kGenreCount));
    return r;
}

MyDbRow playListRow(int tracks, std::string_view title) {
    MyDbRow r = row(mydb::kPlaylistCommand, tracks, title, kKashu);
    mydb::setField(r, MyDbField::Year, "1999");
    mydb::setField(r, MyDbField::ArtistReading, kHiragana);
    mydb::setField(r, MyDbField::CandidateTitle, kKatakana);
    return r;
}

// `playLists` playlists of `tracks` tracks each.
std::string albums(int playLists, int tracks) {
    std::vector<MyDbRow> rows;
    for (int i = 0; i < playLists; ++i) {
        rows.push_back(playListRow(tracks, i % 2 ? kNihongo : "Album"));
        for (int j = 1; j <= tracks; ++j)
            rows.push_back(row(mydb::kTrackCommand, j, j % 2 ? kKatakana : "Song", kHalfWidthKana));
    }
    return MyDbFileWriter::Format(rows);
}

std::string withLineEnds(const std::string& crlf, std::string_view end) {
    std::string out;
    for (std::size_t i = 0; i < crlf.size(); ++i) {
        if (crlf.compare(i, 2, "\r\n") == 0) {
            out += end;
            ++i;
        } else {
            out += crlf[i];
        }
    }
    return out;
}

}  // namespace

void writeMydbSeeds(const std::string& root) {
    const SeedFolder seeds(root, "MydbFuzz");
    const std::string small = albums(2, 3) + "\r\n";  // and a blank row
    seeds.add("crlf.txt", small);
    seeds.add("lf.txt", withLineEnds(small, "\n"));
    seeds.add("cr.txt", withLineEnds(small, "\r"));
    seeds.add("ctrl_z.txt", small + "\x1a");
    seeds.add("empty.txt", "");
    seeds.add("older_cd.txt", "#CD\t1\tAlbum\t\t" + std::string(kKashu) +
                                  "\t2\t1987\tCandidate\r\n" + "#Track\t1\tSong\t\tArtist\t2\r\n");
    seeds.add("extra_columns.txt",
              "#Playlist\t1\tA\tB\tC\t3\t2001\tD\tE\tF\tG\r\n"
              "#Track\t1\tT\tR\tA\t4\t2001\tx\ty\tz\r\n");
    seeds.add("refused_rows.txt",
              "#Playlist\t1\tA\r\n#Track\t2\tB\r\n#Track\t\tC\r\n#track\t1\r\n"
              "#Other\t1\r\n");
    // The most rows a file may hold: 100 playlists of 99 tracks.
    seeds.add("10000_rows.txt", albums(100, 99));
}

}  // namespace fuzzseeds
