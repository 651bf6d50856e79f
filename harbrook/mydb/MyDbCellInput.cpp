#include <mydb/MyDbCellInput.h>

#include <mydb/MyDbFieldCheck.h>
#include <outside/Textaid.h>
#include <platform/Cp932.h>

#include <cstring>

namespace {

constexpr unsigned short kFreeText = 0x700;
constexpr unsigned short kReading = 3;
constexpr unsigned short kNumber = 16;

// Katakana to hiragana in a buffer of the size the text library expects; a longer text is cut
// on a character boundary first.
std::string toHiragana(std::string_view cp932) {
    char buffer[MyDbCellInput::kReadingBufferSize] = {};
    const std::size_t length = platform::cp932CutLength(cp932, sizeof buffer - 1);
    std::memcpy(buffer, cp932.data(), length);
    CTextaid::KataToHira(buffer);
    return buffer;
}

}  // namespace

std::optional<std::string> MyDbCellInput::Accept(int column, std::string_view cp932) {
    std::string text(cp932);
    bool accepted = false;
    switch (static_cast<MyDbField>(column)) {
        case MyDbField::Command:
        case MyDbField::Genre:
            accepted = true;
            break;
        case MyDbField::No:
            accepted = MyDbFieldCheck::Admits(text, kNumber, 0, 1, 0) &&
                       MyDbFieldCheck::NumberCheck(text, 1, 99, 2);
            break;
        case MyDbField::Title:
            accepted = MyDbFieldCheck::Admits(text, kFreeText, 0, 0, 1);
            break;
        case MyDbField::TitleReading:
        case MyDbField::ArtistReading:
            text = toHiragana(text);
            accepted = MyDbFieldCheck::Admits(text, kReading, 0, 0, 1);
            break;
        case MyDbField::Year:
            accepted = MyDbFieldCheck::YearCheck(text);
            break;
        case MyDbField::Artist:
        case MyDbField::CandidateTitle:
            accepted = MyDbFieldCheck::Admits(text, kFreeText, 0, 1, 0);
            break;
    }
    if (!accepted) return std::nullopt;
    return text;
}

std::string_view MyDbCellInput::ImpliedCommand(int column) {
    if (column <= static_cast<int>(MyDbField::Command)) return {};
    if (column <= static_cast<int>(MyDbField::Genre)) return mydb::kTrackCommand;
    return mydb::kPlaylistCommand;
}
