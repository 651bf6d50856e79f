#include "CoordinateText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace atlasgate {
namespace {

constexpr double kMasPerDegree = 3600000.0;
constexpr double kMasPerMinute = 60000.0;
constexpr double kMasPerSecond = 1000.0;

struct Marker {
    std::string_view text;
    char meaning;
};

// Marks after a number (UTF-8): d = degrees, m = minutes, s = seconds. Longest first where one
// is the prefix of another.
constexpr std::array<Marker, 12> kUnitMarks{{
    {"\xC2\xB0", 'd'}, {"\xC2\xBA", 'd'}, {"度", 'd'},
    {"''", 's'}, {"'", 'm'}, {"\xE2\x80\xB2", 'm'}, {"\xE2\x80\x99", 'm'}, {"分", 'm'},
    {"\"", 's'}, {"\xE2\x80\xB3", 's'}, {"\xE2\x80\x9D", 's'}, {"秒", 's'},
}};

constexpr std::array<Marker, 8> kHemispheres{{
    {"北緯", 'N'}, {"南緯", 'S'}, {"東経", 'E'}, {"西経", 'W'},
    {"N", 'N'}, {"S", 'S'}, {"E", 'E'}, {"W", 'W'},
}};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void skipSpaces(std::string_view& text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

template <std::size_t N>
char takeMarker(std::string_view& text, const std::array<Marker, N>& markers) {
    for (const Marker& m : markers) {
        if (text.substr(0, m.text.size()) == m.text) {
            text.remove_prefix(m.text.size());
            return m.meaning;
        }
    }
    return 0;
}

// A hemisphere letter counts only as a word of its own ("N" but not the start of "North").
char takeHemisphere(std::string_view& text) {
    std::string_view rest = text;
    char h = takeMarker(rest, kHemispheres);
    if (h == 0) return 0;
    bool letter = text.front() >= 'A' && text.front() <= 'Z';
    if (letter && !rest.empty() && ((rest.front() >= 'A' && rest.front() <= 'Z') ||
                                    (rest.front() >= 'a' && rest.front() <= 'z')))
        return 0;
    text = rest;
    return h;
}

// An unsigned decimal number: digits with at most one point.
std::optional<double> takeNumber(std::string_view& text) {
    std::size_t length = 0;
    bool point = false;
    bool digits = false;
    while (length < text.size()) {
        char c = text[length];
        if (isDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++length;
    }
    if (!digits) return std::nullopt;
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + length, value);
    if (error != std::errc() || end != text.data() + length) return std::nullopt;
    text.remove_prefix(length);
    return value;
}

Axis axisOf(char hemisphere) {
    if (hemisphere == 'N' || hemisphere == 'S') return Axis::Latitude;
    if (hemisphere == 'E' || hemisphere == 'W') return Axis::Longitude;
    return Axis::Unknown;
}

// Degrees, then optionally minutes and seconds, each a number followed by its mark; a plain
// number is degrees. Minutes and seconds must be below 60 and follow a whole number. A number
// that carries no minute or second mark belongs to the next angle.
std::optional<double> takeDms(std::string_view& text) {
    auto degrees = takeNumber(text);
    if (!degrees) return std::nullopt;
    skipSpaces(text);
    if (takeMarker(text, kUnitMarks) != 'd') return *degrees * kMasPerDegree;
    double mas = *degrees * kMasPerDegree;
    double last = *degrees;
    char lastMark = 'd';
    while (lastMark != 's') {
        std::string_view rest = text;
        skipSpaces(rest);
        auto number = takeNumber(rest);
        if (!number) break;
        skipSpaces(rest);
        char mark = takeMarker(rest, kUnitMarks);
        if (mark != 'm' && mark != 's') break;
        if (mark == lastMark || std::floor(last) != last || *number >= 60) return std::nullopt;
        mas += *number * (mark == 'm' ? kMasPerMinute : kMasPerSecond);
        last = *number;
        lastMark = mark;
        text = rest;
    }
    return mas;
}

}  // namespace

std::optional<Angle> readAngle(std::string_view& text) {
    std::string_view rest = text;
    skipSpaces(rest);
    char before = takeHemisphere(rest);
    skipSpaces(rest);
    bool negative = false;
    if (before == 0 && !rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    auto mas = takeDms(rest);
    if (!mas) return std::nullopt;
    char after = 0;
    if (before == 0) {
        std::string_view tail = rest;
        skipSpaces(tail);
        after = takeHemisphere(tail);
        if (after != 0) {
            if (negative) return std::nullopt;  // a sign and a hemisphere contradict each other
            rest = tail;
        }
    }
    char hemisphere = before != 0 ? before : after;
    Angle angle;
    angle.axis = axisOf(hemisphere);
    angle.milliarcseconds = (negative || hemisphere == 'S' || hemisphere == 'W') ? -*mas : *mas;
    text = rest;
    return angle;
}

std::optional<AnglePair> readAnglePair(std::string_view text) {
    auto first = readAngle(text);
    if (!first) return std::nullopt;
    skipSpaces(text);
    if (!text.empty() && (text.front() == ',' || text.front() == ';')) text.remove_prefix(1);
    auto second = readAngle(text);
    if (!second) return std::nullopt;
    skipSpaces(text);
    if (!text.empty()) return std::nullopt;

    if (first->axis == second->axis && first->axis != Axis::Unknown) return std::nullopt;
    bool swapped = first->axis == Axis::Longitude || second->axis == Axis::Latitude;
    const Angle& latitude = swapped ? *second : *first;
    const Angle& longitude = swapped ? *first : *second;
    return AnglePair{latitude.milliarcseconds, longitude.milliarcseconds};
}

}  // namespace atlasgate
