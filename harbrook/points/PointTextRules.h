#pragma once
// What the point texts admit, shared by the list's in-place editing and the entry dialog: the
// characters each field takes (through CTextaid::CheckCode), the katakana of readings, and the
// byte limits the unit shows (20 full-width characters of name or reading, 24 telephone digits).
// Texts are CP932.
#include <optional>
#include <string>

namespace points {

constexpr int kMaxNameTextBytes = 40;
constexpr int kMaxReadingTextBytes = 40;
constexpr int kMaxTelephoneTextBytes = 24;
constexpr int kMaxCommentTextBytes = 4096;

bool NameAdmitted(const std::string& name);
bool ReadingAdmitted(const std::string& reading);
bool TelephoneAdmitted(const std::string& telephone);
bool CommentAdmitted(const std::string& comment);

// Hiragana become katakana in place (readings are stored in katakana).
void ReadingToKatakana(std::string& reading);

// The entry dialog's texts. A field that could not be put into CP932 is nullopt: it holds a
// character the unit cannot store.
struct PointEntryTexts {
    std::optional<std::string> name;
    std::optional<std::string> reading;
    std::optional<std::string> telephone;
    std::optional<std::string> comment;
};

// The entry dialog's checks in their order (name, reading, telephone number, comment; for each,
// the characters and then the length): the first failure's message (UTF-8), or empty when all
// pass.
std::string EntryTextsProblem(const PointEntryTexts& texts);

}  // namespace points
