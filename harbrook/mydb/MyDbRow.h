#pragma once
// One row of the unit's myDB text database: nine NUL-terminated code page 932 fields of fixed
// capacity (terminator included) and the delete mark the editor uses for multi-row deletion.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

struct MyDbRow {
    char command[17];  // "#Playlist", "#Track" or empty (a blank row)
    char no[3];        // track count on a playlist row, track number on a track row
    char title[33];
    char titleReading[65];
    char artist[33];
    char genre[33];  // the genre's name as the text library spells it
    char year[5];
    char artistReading[65];   // playlist rows only
    char candidateTitle[33];  // playlist rows only
    std::int32_t deleteMark;  // 0 or 1; only the editor's delete command sets it
};
// The capacities the unit's text database allows (terminator included); callers cut to them.
static_assert(sizeof(MyDbRow::command) == 17 && sizeof(MyDbRow::no) == 3);
static_assert(sizeof(MyDbRow::title) == 33 && sizeof(MyDbRow::titleReading) == 65);
static_assert(sizeof(MyDbRow::artist) == 33 && sizeof(MyDbRow::genre) == 33);
static_assert(sizeof(MyDbRow::year) == 5 && sizeof(MyDbRow::artistReading) == 65);
static_assert(sizeof(MyDbRow::candidateTitle) == 33);

// The nine fields in file and grid column order.
enum class MyDbField : int {
    Command,
    No,
    Title,
    TitleReading,
    Artist,
    Genre,
    Year,
    ArtistReading,
    CandidateTitle,
};
constexpr int kMyDbFieldCount = 9;

// What a row's command makes of it. The older "#CD" form counts as a playlist.
enum class MyDbRowKind { Blank, Playlist, Track, Unknown };

namespace mydb {

inline constexpr std::string_view kPlaylistCommand = "#Playlist";
inline constexpr std::string_view kTrackCommand = "#Track";
inline constexpr std::string_view kCdCommand = "#CD";

// A row with every field empty and the delete mark 0.
MyDbRow blankRow();

// Capacity in bytes of a field, terminator included.
std::size_t fieldCapacity(MyDbField field);

// The text of a field (never reads past the field's capacity).
std::string_view fieldText(const MyDbRow& row, MyDbField field);

// Sets a field to `cp932`, cut to the field's capacity without splitting a double-byte character.
void setField(MyDbRow& row, MyDbField field, std::string_view cp932);

// The kind of a command text, compared without regard to ASCII case.
MyDbRowKind commandKind(std::string_view command);
MyDbRowKind rowKind(const MyDbRow& row);

// ASCII case-insensitive equality, as the file's commands are compared.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace mydb
