#include <points/PositionInput.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>

namespace points {
namespace {

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Skips leading white space and takes an optional sign; `text` is left at the first digit.
bool takeSign(std::string_view& text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    return negative;
}

double leadingNumber(std::string_view text) {
    const bool negative = takeSign(text);
    double value = 0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return negative ? -value : value;
}

}  // namespace

int LeadingInteger(std::string_view text) {
    const bool negative = takeSign(text);
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<std::int64_t>(value * 10 + (c - '0'), std::int64_t{INT_MAX} + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

int TenthsOfSecond(std::string_view text) {
    const double tenths = leadingNumber(text) * 10.0 - LeadingInteger(text) * 10.0;
    return static_cast<int>(std::clamp(std::trunc(tenths), double{INT_MIN}, double{INT_MAX}));
}

DmsValue ReadDms(std::string_view degrees, std::string_view minutes, std::string_view seconds) {
    return {{LeadingInteger(degrees), LeadingInteger(minutes), LeadingInteger(seconds),
             TenthsOfSecond(seconds)}};
}

}  // namespace points
