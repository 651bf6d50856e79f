#include <mydb/MyDbLineWriter.h>

#include <outside/Textaid.h>

#include <algorithm>
#include <cstring>

namespace {

// A TAB, CR or LF inside a field would split the row when the file is read back; they are written
// as spaces. No CP932 trail byte takes these values, so replacing bytes is safe.
void appendField(std::string& out, std::string_view text) {
    const std::size_t start = out.size();
    out += text;
    for (std::size_t i = start; i < out.size(); ++i) {
        if (out[i] == '\t' || out[i] == '\r' || out[i] == '\n') out[i] = ' ';
    }
}

void appendColumn(std::string& out, std::string_view text) {
    out.push_back('\t');
    appendField(out, text);
}

void appendGenreNumber(std::string& out, std::string_view genre) {
    out.push_back('\t');
    if (genre.empty()) return;
    char name[sizeof(MyDbRow::genre)];
    std::memset(name, 0, sizeof name);
    std::memcpy(name, genre.data(), std::min(genre.size(), sizeof name - 1));
    out += std::to_string(CTextaid::GenreStrToWord(name));
}

std::string_view commandText(const MyDbRow& row, MyDbRowKind kind) {
    if (kind == MyDbRowKind::Playlist) return mydb::kPlaylistCommand;
    if (kind == MyDbRowKind::Track) return mydb::kTrackCommand;
    return mydb::fieldText(row, MyDbField::Command);
}

}  // namespace

void MyDbLineWriter::Append(const MyDbRow& row, std::string& out) {
    const MyDbRowKind kind = mydb::rowKind(row);
    if (kind != MyDbRowKind::Blank) {
        appendField(out, commandText(row, kind));
        appendColumn(out, mydb::fieldText(row, MyDbField::No));
        appendColumn(out, mydb::fieldText(row, MyDbField::Title));
        appendColumn(out, mydb::fieldText(row, MyDbField::TitleReading));
        appendColumn(out, mydb::fieldText(row, MyDbField::Artist));
        appendGenreNumber(out, mydb::fieldText(row, MyDbField::Genre));
    }
    if (kind == MyDbRowKind::Playlist) {
        appendColumn(out, mydb::fieldText(row, MyDbField::Year));
        appendColumn(out, mydb::fieldText(row, MyDbField::ArtistReading));
        appendColumn(out, mydb::fieldText(row, MyDbField::CandidateTitle));
    }
    out += "\r\n";
}
