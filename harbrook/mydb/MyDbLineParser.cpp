#include <mydb/MyDbLineParser.h>

#include <mydb/MyDbFieldCheck.h>
#include <outside/Textaid.h>

#include <array>
#include <climits>
#include <cstring>
#include <string>

namespace {

// Columns 0 ... 8 of a line; missing ones are empty, anything after column 8 is ignored. Each
// column is a view into `storage`, a copy of the line whose TABs became NULs, so every column is
// NUL-terminated for the text library without a copy of its own.
using Columns = std::array<std::string_view, kMyDbFieldCount>;

Columns splitColumns(std::string_view line, std::string& storage) {
    storage.assign(line);
    Columns columns;
    columns.fill(std::string_view("", 0));
    std::string_view rest(storage);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::size_t tab = rest.find('\t');
        columns[i] = rest.substr(0, tab);
        if (tab == std::string_view::npos) break;
        storage[static_cast<std::size_t>(rest.data() - storage.data()) + tab] = '\0';
        rest.remove_prefix(tab + 1);
    }
    return columns;
}

bool allEmpty(const Columns& columns) {
    for (auto c : columns) {
        if (!c.empty()) return false;
    }
    return true;
}

// Character-check selectors and options per field kind.
struct FieldRule {
    unsigned short selector;
    int option1, option2, option3;
};
constexpr FieldRule kNoRule{16, 0, 1, 0};
constexpr FieldRule kTitleRule{0x700, 0, 0, 1};
constexpr FieldRule kReadingRule{3, 0, 0, 1};
constexpr FieldRule kNameRule{0x700, 0, 1, 0};

bool admits(std::string_view text, const FieldRule& rule) {
    return MyDbFieldCheck::AdmitsTerminated(text, rule.selector, rule.option1, rule.option2,
                                            rule.option3);
}

void takeIfAdmitted(MyDbRow& row, MyDbField field, std::string_view text, const FieldRule& rule) {
    if (admits(text, rule)) mydb::setField(row, field, text);
}

void takeGenre(MyDbRow& row, std::string_view text) {
    if (text.find('\0') != std::string_view::npos) return;
    auto number = MyDbFieldCheck::ReadDecimal(text);
    if (!number || *number < INT_MIN || *number > INT_MAX) return;
    char name[256];
    std::memset(name, 0, sizeof name);
    if (CTextaid::GenreIntToStr(static_cast<int>(*number), name) == 0) return;
    name[sizeof name - 1] = '\0';
    mydb::setField(row, MyDbField::Genre, name);
}

void takeCommonFields(MyDbRow& row, const Columns& c) {
    if (admits(c[1], kNoRule) && MyDbFieldCheck::NumberCheck(c[1], 1, 99, 2))
        mydb::setField(row, MyDbField::No, c[1]);
    takeIfAdmitted(row, MyDbField::Title, c[2], kTitleRule);
    if (admits(c[3], kReadingRule) || c[3] == " ")
        mydb::setField(row, MyDbField::TitleReading, c[3]);
    takeIfAdmitted(row, MyDbField::Artist, c[4], kNameRule);
    takeGenre(row, c[5]);
    if (MyDbFieldCheck::YearCheck(c[6])) mydb::setField(row, MyDbField::Year, c[6]);
}

// The column each field of a row of `kind` is read from (-1: none), in field order.
using ColumnMap = std::array<int, kMyDbFieldCount>;
constexpr ColumnMap kPlaylistColumns = {0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr ColumnMap kCdColumns = {0, 1, 2, 3, 4, 5, 6, -1, 7};
constexpr ColumnMap kTrackColumns = {0, 1, 2, 3, 4, 5, 6, -1, -1};

void listEmptied(const Columns& c, const MyDbRow& row, const ColumnMap& map,
                 std::vector<MyDbEmptiedField>& emptied) {
    for (int f = 0; f < kMyDbFieldCount; ++f) {
        const auto field = static_cast<MyDbField>(f);
        const int column = map[static_cast<std::size_t>(f)];
        if (column >= 0 && !c[static_cast<std::size_t>(column)].empty() &&
            mydb::fieldText(row, field).empty())
            emptied.push_back({0, field, column});
    }
}

}  // namespace

bool MyDbLineParser::Parse(std::string_view line, MyDbRow& row,
                           std::vector<MyDbEmptiedField>* emptied) {
    if (emptied) emptied->clear();
    row = mydb::blankRow();
    thread_local std::string storage;
    const Columns c = splitColumns(line, storage);
    const MyDbRowKind kind = mydb::commandKind(c[0]);
    if (kind == MyDbRowKind::Blank || kind == MyDbRowKind::Unknown) return allEmpty(c);

    const bool playlist = kind == MyDbRowKind::Playlist;
    mydb::setField(row, MyDbField::Command,
                   playlist ? mydb::kPlaylistCommand : mydb::kTrackCommand);
    takeCommonFields(row, c);
    const bool cd = playlist && mydb::equalsIgnoringCase(c[0], mydb::kCdCommand);
    if (cd) {
        takeIfAdmitted(row, MyDbField::CandidateTitle, c[7], kNameRule);
    } else if (playlist) {
        takeIfAdmitted(row, MyDbField::ArtistReading, c[7], kReadingRule);
        takeIfAdmitted(row, MyDbField::CandidateTitle, c[8], kNameRule);
    }
    if (emptied)
        listEmptied(c, row,
                    cd         ? kCdColumns
                    : playlist ? kPlaylistColumns
                               : kTrackColumns,
                    *emptied);
    return true;
}
