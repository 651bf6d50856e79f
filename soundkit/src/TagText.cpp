#include "TagText.h"

#include <platform/Cp932.h>

#include <algorithm>

namespace soundkit {
namespace {

// Windows-1252 code points of the bytes 0x80..0x9F; 0 where it assigns none.
constexpr char16_t kWindows1252C1[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string TagText::fromUtf8(std::string_view utf8) {
    if (auto direct = platform::utf8ToCp932(utf8)) return *direct;
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t n = TagCharset::utf8SequenceLength(utf8, i);
        auto converted = n > 0 ? platform::utf8ToCp932(utf8.substr(i, n)) : std::nullopt;
        out += converted ? *converted : std::string("?");
        i += std::max<std::size_t>(n, 1);
    }
    return out;
}

std::string TagText::fromLatin1(std::string_view bytes) {
    std::string utf8;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        char32_t cp = b >= 0x80 && b < 0xA0 ? kWindows1252C1[b - 0x80] : b;
        if (cp == 0)
            utf8 += '?';
        else
            appendUtf8(utf8, cp);
    }
    return fromUtf8(utf8);
}

bool TagText::isShiftJis(std::string_view bytes, bool needDoubleByte) {
    bool doubleByte = std::any_of(bytes.begin(), bytes.end(), [](char c) {
        return platform::isCp932LeadByte(static_cast<unsigned char>(c));
    });
    return (doubleByte || !needDoubleByte) && platform::cp932ToUtf8(bytes).has_value();
}

std::string TagText::fromLegacy(const LegacyText& text, LegacyEncoding encoding) {
    std::string_view sjis = TagCharset::wholeCharacters(text, LegacyEncoding::ShiftJis);
    switch (encoding) {
        case LegacyEncoding::Utf8:
            return fromUtf8(TagCharset::wholeCharacters(text, encoding));
        case LegacyEncoding::ShiftJis:
            if (isShiftJis(sjis, false)) return std::string(sjis);
            break;
        case LegacyEncoding::Undecided:
            if (isShiftJis(sjis, true)) return std::string(sjis);
            break;
        case LegacyEncoding::Ascii:
        case LegacyEncoding::Latin1:
            break;
    }
    return fromLatin1(text.bytes);
}

std::string TagText::titleFromPath(std::string_view path) {
    std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return fromUtf8(name.substr(0, dot));
}

}  // namespace soundkit
