#include <music/view/MusicFieldEdit.h>

#include <music/MusicData.h>
#include <outside/Textaid.h>

#include <platform/Cp932.h>

#include <vector>

namespace {

// The unit's character classes per field: free text, or a hiragana reading; one line each.
unsigned short selectorOf(MusicField field) {
    switch (field) {
        case MusicField::Reading:
        case MusicField::ArtistReading:
            return CTextaid::kHiragana | CTextaid::kHiraganaMarks;
        case MusicField::ReleaseYear:
            return CTextaid::kDigits;
        default:
            return CTextaid::kAsciiText | CTextaid::kJisText | CTextaid::kHalfWidthKana;
    }
}

template <std::size_t N>
void put(char (&field)[N], const std::string& text) {
    platform::copyCp932Field(field, N, text);
}

}  // namespace

bool PrepareMusicField(MusicField field, std::string& text) {
    if (field == MusicField::Genre) return true;
    if (field == MusicField::Reading || field == MusicField::ArtistReading) {
        std::vector<char> buffer(text.begin(), text.end());
        buffer.push_back('\0');
        CTextaid::KataToHira(buffer.data());
        text = buffer.data();
    }
    const unsigned short selector = selectorOf(field);
    const int halfKana = 0, oneLine = 1, value = 0;
    if (CTextaid::CheckCode(text.c_str(), selector, halfKana, oneLine, value) != 0) return false;
    return field != MusicField::ReleaseYear || text.empty() || CMusicData::ReleaseYearCheck(text);
}

void PutMusicField(MusicProperties& record, MusicField field, const std::string& text) {
    switch (field) {
        case MusicField::Title: put(record.title, text); break;
        case MusicField::Reading: put(record.reading, text); break;
        case MusicField::Artist: put(record.artist, text); break;
        case MusicField::ArtistReading: put(record.artistReading, text); break;
        case MusicField::ReleaseYear: put(record.releaseYear, text); break;
        case MusicField::Genre: record.genre = CTextaid::GenreStrToWord(text.c_str()); break;
    }
}
