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

MyDbRow playListRow(int tracks, std::string_view title) {
    MyDbRow row = mydb::blankRow();
    mydb::setField(row, MyDbField::Command, mydb::kPlaylistCommand);
    mydb::setField(row, MyDbField::No, std::to_string(tracks));
    mydb::setField(row, MyDbField::Title, title);
    mydb::setField(row, MyDbField::TitleReading, kHiragana);
    mydb::setField(row, MyDbField::Artist, kKashu);
    mydb::setField(row, MyDbField::Genre, genreName(1 + tracks % CTextaid::kGenreCount));
    mydb::setField(row, MyDbField::Year, "1999");
    mydb::setField(row, MyDbField::ArtistReading, kHiragana);
    mydb::setField(row, MyDbField::CandidateTitle, kKatakana);
    return row;
}

MyDbRow trackRow(int number, std::string_view title) {
    MyDbRow row = mydb::blankRow();
    mydb::setField(row, MyDbField::Command, mydb::kTrackCommand);
    mydb::setField(row, MyDbField::No, std::to_string(number));
    mydb::setField(row, MyDbField::Title, title);
    mydb::setField(row, MyDbField::TitleReading, kHiragana);
    mydb::setField(row, MyDbField::Artist, kHalfWidthKana);
    mydb::setField(row, MyDbField::Genre, genreName(number % CTextaid::kGenreCount));
    return row;
}

// `playLists` playlists of `tracks` tracks each.
std::string albums(int playLists, int tracks) {
    std::vector<MyDbRow> rows;
    for (int i = 0; i < playLists; ++i) {
        rows.push_back(playListRow(tracks, i % 2 ? kNihongo : "Album"));
        for (int j = 1; j <= tracks; ++j) rows.push_back(trackRow(j, j % 2 ? kKatakana : "Song"));
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
