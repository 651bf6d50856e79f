#include "TagText.h"

#include <platform/Cp932.h>

#include <optional>

namespace soundkit {
namespace {

// Decodes one UTF-8 sequence at `i`; nullopt (and one byte consumed) for malformed input.
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || s.size() - i <= static_cast<std::size_t>(extra)) {
        ++i;
        return std::nullopt;
    }
    char32_t cp = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char c = byte(i + static_cast<std::size_t>(k));
        if ((c & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

bool hasDoubleByteCharacter(std::string_view cp932) {
    for (std::size_t i = 0; i < cp932.size(); ++i) {
        if (platform::isCp932LeadByte(static_cast<unsigned char>(cp932[i]))) return true;
    }
    return false;
}

}  // namespace

std::string TagText::recoverCp932(std::string_view utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        auto cp = nextCodePoint(utf8, i);
        if (!cp || *cp > 0xFF) return {};
        bytes += static_cast<char>(*cp);
    }
    return isShiftJisText(bytes) ? bytes : std::string();
}

bool TagText::isShiftJisText(std::string_view bytes) {
    return hasDoubleByteCharacter(bytes) && platform::cp932ToUtf8(bytes).has_value();
}

bool TagText::isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (!nextCodePoint(text, i)) return false;
    }
    return true;
}

std::string TagText::toCp932(std::string_view utf8, bool fromLatin1) {
    // ID3v1 text reaches us as the raw bytes of the tag: Shift_JIS stays as it is.
    if (!isUtf8(utf8) && isShiftJisText(utf8)) return std::string(utf8);
    std::string recovered = fromLatin1 ? recoverCp932(utf8) : std::string();
    return recovered.empty() ? convert(utf8) : recovered;
}

std::string TagText::convert(std::string_view utf8) {
    if (auto direct = platform::utf8ToCp932(utf8)) return *direct;
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t start = i;
        auto cp = nextCodePoint(utf8, i);
        auto converted = cp ? platform::utf8ToCp932(utf8.substr(start, i - start)) : std::nullopt;
        out += converted ? *converted : std::string("?");
    }
    return out;
}

std::string TagText::titleFromPath(std::string_view path) {
    std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    return convert(name.substr(0, dot));
}

}  // namespace soundkit
