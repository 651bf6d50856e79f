#include "TagCharset.h"

#include <platform/Cp932.h>

#include <unicode/ucsdet.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace soundkit {
namespace {

// ICU's Shift_JIS confidence stays at this floor until it has seen more than ten double-byte
// characters; only above it has the detector's statistics something to say.
constexpr int kIcuShortTextFloor = 10;
constexpr int kIcuMargin = 20;
constexpr int kIcuLatinMinimum = 50;
constexpr int kMajority = 2;

bool isAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isHalfWidthKatakana(unsigned char c) {
    return c >= 0xA1 && c <= 0xDF;
}
bool isUserDefinedLead(unsigned char c) {
    return c >= 0xF0 && c <= 0xF9;
}
// Bytes Windows-1252 leaves unassigned: no Latin text holds them.
bool isUnassignedInWindows1252(unsigned char c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// One character of the Shift_JIS reading of a text.
struct SjisChar {
    enum class Kind { Ascii, HalfWidth, Double } kind;
    unsigned char lead;
    unsigned char trail;

    bool isLetter() const { return kind == Kind::Ascii && isAsciiLetter(lead); }
    bool isJapanese() const { return kind != Kind::Ascii; }
};

// The characters of a valid code page 932 text (checked by the caller).
std::vector<SjisChar> sjisChars(std::string_view bytes) {
    std::vector<SjisChar> chars;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (platform::isCp932LeadByte(b) && i + 1 < bytes.size()) {
            chars.push_back({SjisChar::Kind::Double, b, static_cast<unsigned char>(bytes[++i])});
        } else {
            chars.push_back(
                {isHalfWidthKatakana(b) ? SjisChar::Kind::HalfWidth : SjisChar::Kind::Ascii, b, 0});
        }
    }
    return chars;
}

// What the characters of the Shift_JIS reading say about the two readings of short text.
struct Evidence {
    bool shiftJisPossible = true;
    int shiftJis = 0;  // characters that look like Japanese, but odd as Latin-1
    int latin = 0;     // characters that look like accented letters in Latin words
};

void weigh(const SjisChar& c, const SjisChar* before, const SjisChar* after, Evidence& e) {
    const bool letterBefore = before && before->isLetter();
    const bool letterAfter = after && after->isLetter();
    if (c.kind == SjisChar::Kind::HalfWidth) {
        // Latin-1 capitals such as "Ü" sit in words; half-width katakana sit among their own kind.
        if (letterBefore || letterAfter)
            ++e.latin;
        else if ((before && before->isJapanese()) || (after && after->isJapanese()))
            ++e.shiftJis;
        return;
    }
    if (c.kind != SjisChar::Kind::Double) return;
    const bool letterTrail = isAsciiLetter(c.trail);
    // "Motörhead", "Mädchen": an accented letter and the letter after it read as one character.
    if (isUserDefinedLead(c.lead) || (letterBefore && letterTrail && letterAfter)) {
        e.shiftJisPossible = false;
    } else if (c.lead < 0xA0) {
        // A C1 byte: Latin-1 text has none, Windows-1252 text has punctuation there, as in "n’t".
        if (!(letterBefore && letterTrail)) ++e.shiftJis;
    } else if (c.trail < 0x80 || letterBefore || letterAfter) {
        ++e.latin;  // accented small letters inside a word, as in "Coração"
    } else {
        ++e.shiftJis;  // two accented letters on their own
    }
}

void weigh(std::string_view bytes, Evidence& e) {
    if (!platform::cp932ToUtf8(bytes)) {
        e.shiftJisPossible = false;
        return;
    }
    std::vector<SjisChar> chars = sjisChars(bytes);
    for (std::size_t i = 0; i < chars.size(); ++i)
        weigh(chars[i], i > 0 ? &chars[i - 1] : nullptr,
              i + 1 < chars.size() ? &chars[i + 1] : nullptr, e);
}

// ICU's confidence (0..100) in Shift_JIS and in Latin-1 / Windows-1252 for `bytes`.
struct IcuGuess {
    int shiftJis = 0;
    int latin = 0;
};

IcuGuess icuGuess(std::string_view bytes) {
    IcuGuess guess;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> detector(ucsdet_open(&status),
                                                                        &ucsdet_close);
    if (U_FAILURE(status)) return guess;
    ucsdet_setText(detector.get(), bytes.data(), static_cast<std::int32_t>(bytes.size()), &status);
    std::int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
    for (std::int32_t i = 0; U_SUCCESS(status) && i < count; ++i) {
        const char* name = ucsdet_getName(matches[i], &status);
        int confidence = ucsdet_getConfidence(matches[i], &status);
        if (U_FAILURE(status)) break;
        if (std::strcmp(name, "Shift_JIS") == 0)
            guess.shiftJis = std::max(guess.shiftJis, confidence);
        if (std::strcmp(name, "ISO-8859-1") == 0 || std::strcmp(name, "windows-1252") == 0)
            guess.latin = std::max(guess.latin, confidence);
    }
    return guess;
}

LegacyEncoding icuDecision(std::span<const LegacyText> texts) {
    std::string joined;
    for (const LegacyText& t : texts) joined.append(t.bytes).append("\n");
    IcuGuess guess = icuGuess(joined);
    if (guess.shiftJis > kIcuShortTextFloor && guess.shiftJis >= guess.latin + kIcuMargin)
        return LegacyEncoding::ShiftJis;
    if (guess.latin >= kIcuLatinMinimum && guess.latin >= guess.shiftJis + kIcuMargin)
        return LegacyEncoding::Latin1;
    return LegacyEncoding::Undecided;
}

bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = TagCharset::utf8SequenceLength(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool hasByte(std::string_view s, bool (*test)(unsigned char)) {
    return std::any_of(s.begin(), s.end(),
                       [test](char c) { return test(static_cast<unsigned char>(c)); });
}

bool isHigh(unsigned char c) {
    return c >= 0x80;
}

}  // namespace

std::size_t TagCharset::utf8SequenceLength(std::string_view s, std::size_t at) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(at);
    if (b < 0x80) return 1;
    std::size_t n;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) low = 0xA0;   // overlong
        if (b == 0xED) high = 0x9F;  // surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) low = 0x90;   // overlong
        if (b == 0xF4) high = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (s.size() - at < n) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((byte(at + k) & 0xC0) != 0x80) return 0;
    return n;
}

std::string_view TagCharset::wholeCharacters(const LegacyText& text, LegacyEncoding encoding) {
    std::string_view bytes = text.bytes;
    if (!text.cut || bytes.empty()) return bytes;
    if (encoding == LegacyEncoding::ShiftJis) {
        std::size_t i = 0;
        while (i + 1 < bytes.size())
            i += platform::isCp932LeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
        if (i + 1 == bytes.size() &&
            platform::isCp932LeadByte(static_cast<unsigned char>(bytes.back())))
            bytes.remove_suffix(1);
    } else if (encoding == LegacyEncoding::Utf8) {
        // A lead byte in the last three bytes whose sequence needs more bytes than are left.
        for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
            auto b = static_cast<unsigned char>(bytes[bytes.size() - back]);
            if ((b & 0xC0) == 0x80) continue;
            std::size_t need = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            if (need > back) bytes.remove_suffix(back);
            break;
        }
    }
    return bytes;
}

LegacyEncoding TagCharset::decide(std::span<const LegacyText> texts) {
    auto all = [&](auto test) { return std::all_of(texts.begin(), texts.end(), test); };
    auto any = [&](auto test) { return std::any_of(texts.begin(), texts.end(), test); };
    if (!any([](const LegacyText& t) { return hasByte(t.bytes, isHigh); }))
        return LegacyEncoding::Ascii;
    if (all([](const LegacyText& t) { return isUtf8(wholeCharacters(t, LegacyEncoding::Utf8)); }))
        return LegacyEncoding::Utf8;

    Evidence evidence;
    for (const LegacyText& t : texts) weigh(wholeCharacters(t, LegacyEncoding::ShiftJis), evidence);
    if (!evidence.shiftJisPossible) return LegacyEncoding::Latin1;
    if (any([](const LegacyText& t) { return hasByte(t.bytes, isUnassignedInWindows1252); }))
        return LegacyEncoding::ShiftJis;
    if (evidence.shiftJis > 0 && evidence.latin == 0) return LegacyEncoding::ShiftJis;
    if (evidence.latin > 0 && evidence.shiftJis == 0) return LegacyEncoding::Latin1;
    LegacyEncoding icu = icuDecision(texts);
    if (icu != LegacyEncoding::Undecided) return icu;
    // Mixed evidence ICU cannot settle: a clear majority still can.
    if (evidence.shiftJis >= kMajority * evidence.latin && evidence.latin > 0)
        return LegacyEncoding::ShiftJis;
    if (evidence.latin >= kMajority * evidence.shiftJis && evidence.shiftJis > 0)
        return LegacyEncoding::Latin1;
    return LegacyEncoding::Undecided;
}

}  // namespace soundkit
