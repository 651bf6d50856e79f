#include <points/PointTextRules.h>

#include <outside/Textaid.h>

#include <cstddef>

namespace points {
namespace {

bool admitted(const std::string& text, unsigned short selector, int halfKana, int oneLine) {
    return CTextaid::CheckCode(text.c_str(), selector, halfKana, oneLine, 0) == 0;
}

struct FieldRule {
    const std::optional<std::string>& text;
    bool (*admits)(const std::string&);
    std::size_t maxBytes;
    const char* badCharacters;
    const char* tooLong;
};

}  // namespace

bool NameAdmitted(const std::string& name) {
    return admitted(name, 0x300, 1, 1);
}
bool ReadingAdmitted(const std::string& reading) {
    return admitted(reading, 0xC, 0, 1);
}
bool TelephoneAdmitted(const std::string& telephone) {
    return admitted(telephone, 0x30, 0, 1);
}
bool CommentAdmitted(const std::string& comment) {
    return admitted(comment, 0x300, 0, 0);
}

void ReadingToKatakana(std::string& reading) {
    CTextaid::HiraToKata(reading.data());
}

std::string EntryTextsProblem(const PointEntryTexts& texts) {
    const FieldRule rules[] = {
        {texts.name, NameAdmitted, kMaxNameTextBytes, "地点名に適切でない文字が含まれています。",
         "地点名の文字数が多すぎます。"},
        {texts.reading, ReadingAdmitted, kMaxReadingTextBytes,
         "地点ヨミに適切でない文字が含まれています。", "地点ヨミの文字数が多すぎます。"},
        {texts.telephone, TelephoneAdmitted, kMaxTelephoneTextBytes,
         "電話番号に適切でない文字が含まれています。", "電話番号の文字数が多すぎます。"},
        {texts.comment, CommentAdmitted, kMaxCommentTextBytes,
         "コメントに適切でない文字が含まれています。", "コメントの文字数が多すぎます。"},
    };
    for (const FieldRule& rule : rules) {
        if (!rule.text || !rule.admits(*rule.text)) return rule.badCharacters;
        if (rule.text->size() > rule.maxBytes) return rule.tooLong;
    }
    return {};
}

}  // namespace points
