#pragma once
// Scanning of coordinate text: one angle with its optional degree, minute and second marks and
// hemisphere (N S E W or 北緯 南緯 東経 西経), and a pair of them.
#include <optional>
#include <string_view>

namespace atlasgate {

enum class Axis { Unknown, Latitude, Longitude };

struct Angle {
    double milliarcseconds = 0;  // signed: south and west are negative
    Axis axis = Axis::Unknown;
};

struct AnglePair {
    double latitude = 0;  // milliarcseconds
    double longitude = 0;
};

// Reads one angle at the start of `text` and advances it past the angle.
std::optional<Angle> readAngle(std::string_view& text);

// Reads exactly two angles (latitude first unless hemisphere markers say otherwise) separated by
// a comma, semicolon or white space; nothing but white space may follow.
std::optional<AnglePair> readAnglePair(std::string_view text);

}  // namespace atlasgate
