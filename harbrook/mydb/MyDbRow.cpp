#include <mydb/MyDbRow.h>

#include <platform/Cp932.h>

#include <cstring>

namespace mydb {
namespace {

struct FieldSpan {
    char* data;
    std::size_t size;
};

template <std::size_t N>
FieldSpan span(char (&field)[N]) {
    return {field, N};
}

FieldSpan fieldSpan(MyDbRow& row, MyDbField field) {
    switch (field) {
        case MyDbField::Command:
            return span(row.command);
        case MyDbField::No:
            return span(row.no);
        case MyDbField::Title:
            return span(row.title);
        case MyDbField::TitleReading:
            return span(row.titleReading);
        case MyDbField::Artist:
            return span(row.artist);
        case MyDbField::Genre:
            return span(row.genre);
        case MyDbField::Year:
            return span(row.year);
        case MyDbField::ArtistReading:
            return span(row.artistReading);
        case MyDbField::CandidateTitle:
            return span(row.candidateTitle);
    }
    return {nullptr, 0};
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

MyDbRow blankRow() {
    MyDbRow row;
    std::memset(&row, 0, sizeof row);
    return row;
}

std::size_t fieldCapacity(MyDbField field) {
    MyDbRow probe{};
    return fieldSpan(probe, field).size;
}

std::string_view fieldText(const MyDbRow& row, MyDbField field) {
    FieldSpan s = fieldSpan(const_cast<MyDbRow&>(row), field);
    return s.data ? platform::fieldText(s.data, s.size) : std::string_view();
}

void setField(MyDbRow& row, MyDbField field, std::string_view cp932) {
    FieldSpan s = fieldSpan(row, field);
    if (!s.data) return;
    if (cp932.size() >= s.size) {
        platform::copyCp932Field(s.data, s.size, cp932);
        return;
    }
    // Fits whole: no character boundary to look for.
    if (!cp932.empty()) std::memcpy(s.data, cp932.data(), cp932.size());
    std::memset(s.data + cp932.size(), 0, s.size - cp932.size());
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    }
    return true;
}

MyDbRowKind commandKind(std::string_view command) {
    if (command.empty()) return MyDbRowKind::Blank;
    if (equalsIgnoringCase(command, kPlaylistCommand) || equalsIgnoringCase(command, kCdCommand))
        return MyDbRowKind::Playlist;
    if (equalsIgnoringCase(command, kTrackCommand)) return MyDbRowKind::Track;
    return MyDbRowKind::Unknown;
}

MyDbRowKind rowKind(const MyDbRow& row) {
    return commandKind(fieldText(row, MyDbField::Command));
}

}  // namespace mydb
