#include <mydb/MyDbFieldCheck.h>

#include <outside/Textaid.h>

#include <limits>
#include <string>

namespace {

bool isAsciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr unsigned short kNumericSelector = 16;

}  // namespace

std::optional<long long> MyDbFieldCheck::ReadDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isAsciiSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !isDigit(text[i])) return std::nullopt;
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (value < kLimit) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

long long MyDbFieldCheck::LeadingValue(std::string_view text) {
    return ReadDecimal(text).value_or(0);
}

bool MyDbFieldCheck::NumberCheck(std::string_view text, int minimum, int maximum, int maxLength) {
    if (maxLength < 0 || text.size() > static_cast<std::size_t>(maxLength)) return false;
    long long value = LeadingValue(text);
    return value >= minimum && value <= maximum;
}

bool MyDbFieldCheck::Admits(std::string_view text, unsigned short selector, int option1,
                            int option2, int option3) {
    const std::string terminated(text);
    return AdmitsTerminated(terminated, selector, option1, option2, option3);
}

bool MyDbFieldCheck::AdmitsTerminated(std::string_view text, unsigned short selector, int option1,
                                      int option2, int option3) {
    if (text.find('\0') != std::string_view::npos) return false;
    return CTextaid::CheckCode(text.data(), selector, option1, option2, option3) == 0;
}

bool MyDbFieldCheck::YearCheck(std::string_view text) {
    if (text.empty() || text == "0" || text == " ") return true;
    return Admits(text, kNumericSelector, 0, 0, 1) && NumberCheck(text, 1000, 9999, 4);
}
