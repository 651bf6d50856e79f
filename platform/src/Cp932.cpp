#include <platform/Cp932.h>

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

// One conversion with iconv; strict mode fails on the first byte it cannot convert, lossy mode
// substitutes and skips.
std::optional<std::string> convert(const char* to, const char* from, std::string_view input,
                                   bool lossy) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    out.resize(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    bool ok = true;
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) {
            size_t used = static_cast<size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        if (!lossy) {
            ok = false;
            break;
        }
        // Replace the offending byte (or truncated tail) with U+FFFD and go on.
        static const char kReplacement[] = "\xEF\xBF\xBD";
        if (outLeft < 3) {
            size_t used = static_cast<size_t>(outPtr - out.data());
            out.resize(out.size() + 16);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
        }
        std::memcpy(outPtr, kReplacement, 3);
        outPtr += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    if (ok) {
        // Flush any shift state.
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(static_cast<size_t>(outPtr - out.data()));
    return out;
}

}  // namespace

bool isCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t cp932InvalidByte(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (isCp932LeadByte(byte)) {
            const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return i;
            ++i;
        } else if (byte == 0x80 || byte == 0xA0 || byte >= 0xFD) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool isUtf8BeyondAscii(std::string_view text) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = byte < 0x80 ? 1 : byte >= 0xC2 && byte <= 0xDF ? 2
                             : byte >= 0xE0 && byte <= 0xEF               ? 3
                             : byte >= 0xF0 && byte <= 0xF4               ? 4
                                                                          : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        beyondAscii = beyondAscii || length > 1;
        i += length;
    }
    return beyondAscii;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    return convert("CP932", "UTF-8", utf8, false);
}

std::optional<std::string> cp932ToUtf8(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932, false);
}

std::string cp932ToUtf8Lossy(std::string_view cp932) {
    return convert("UTF-8", "CP932", cp932, true).value_or(std::string());
}

std::size_t cp932CutLength(std::string_view cp932, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < cp932.size()) {
        std::size_t width = isCp932LeadByte(static_cast<unsigned char>(cp932[i])) ? 2 : 1;
        if (i + width > maxBytes || i + width > cp932.size()) break;
        i += width;
    }
    return i;
}

void copyCp932Field(char* field, std::size_t fieldSize, std::string_view cp932) {
    if (fieldSize == 0) return;
    std::memset(field, 0, fieldSize);
    std::size_t n = cp932CutLength(cp932, fieldSize - 1);
    std::memcpy(field, cp932.data(), n);
}

std::string_view fieldText(const char* field, std::size_t fieldSize) {
    const void* nul = std::memchr(field, 0, fieldSize);
    std::size_t n = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : fieldSize;
    return std::string_view(field, n);
}

}  // namespace platform
