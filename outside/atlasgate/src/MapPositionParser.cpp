#include "MapPositionParser.h"

#include "CoordinateText.h"

#include <cmath>
#include <string>

namespace atlasgate {
namespace {

constexpr double kMaxLatitudeMas = 90.0 * 3600000.0;
// A copied position or map address is short; longer clipboard text is not looked at.
constexpr std::size_t kMaxTextBytes = 8192;
constexpr double kMaxLongitudeMas = 180.0 * 3600000.0;

std::string_view trimmed(std::string_view text) {
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Percent-decoding of an address part; '+' is a space in query values.
std::string decoded(std::string_view part) {
    std::string out;
    for (std::size_t i = 0; i < part.size(); ++i) {
        char c = part[i];
        if (c == '%' && i + 2 < part.size() && hexValue(part[i + 1]) >= 0 &&
            hexValue(part[i + 2]) >= 0) {
            out.push_back(static_cast<char>(hexValue(part[i + 1]) * 16 + hexValue(part[i + 2])));
            i += 2;
        } else {
            out.push_back(c == '+' ? ' ' : c);
        }
    }
    return out;
}

// The value of `key` in the query or fragment parameters of an address.
std::optional<std::string> parameter(std::string_view address, std::string_view key) {
    std::size_t start = address.find_first_of("?#");
    while (start != std::string_view::npos) {
        std::string_view rest = address.substr(start + 1);
        std::size_t end = rest.find_first_of("&#;");
        std::string_view item = rest.substr(0, end);
        if (item.size() > key.size() && item.substr(0, key.size()) == key &&
            item[key.size()] == '=')
            return decoded(item.substr(key.size() + 1));
        start = end == std::string_view::npos ? end : start + 1 + end;
    }
    return std::nullopt;
}

// The text after `marker` up to (not including) the first of `stops`.
std::optional<std::string_view> after(std::string_view text, std::string_view marker,
                                      std::string_view stops) {
    std::size_t at = text.find(marker);
    if (at == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(at + marker.size());
    return rest.substr(0, rest.find_first_of(stops));
}

std::optional<sMapLonLat> fromPair(const std::optional<AnglePair>& pair) {
    if (!pair) return std::nullopt;
    // Written so that NaN fails too.
    if (!(std::fabs(pair->latitude) <= kMaxLatitudeMas) ||
        !(std::fabs(pair->longitude) <= kMaxLongitudeMas))
        return std::nullopt;
    return sMapLonLat{static_cast<std::int32_t>(std::llround(pair->longitude)),
                      static_cast<std::int32_t>(std::llround(pair->latitude))};
}

std::optional<sMapLonLat> fromText(std::string_view text) {
    return fromPair(readAnglePair(trimmed(text)));
}

std::optional<sMapLonLat> fromParts(const std::optional<std::string>& latitude,
                                    const std::optional<std::string>& longitude) {
    if (!latitude || !longitude) return std::nullopt;
    return fromText(*latitude + "," + *longitude);
}

// "zoom/lat/lon" of an OpenStreetMap "#map=" fragment.
std::optional<sMapLonLat> fromOsmMapFragment(std::string_view address) {
    auto map = after(address, "map=", "&#?");
    if (!map) return std::nullopt;
    std::size_t slash = map->find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    std::string position(map->substr(slash + 1));
    std::size_t second = position.find('/');
    if (second == std::string::npos) return std::nullopt;
    position[second] = ',';
    return fromText(position);
}

// Google's place data "!3d<lat>!4d<lon>", the place itself rather than the view's centre.
std::optional<sMapLonLat> fromGooglePlaceData(std::string_view address) {
    auto latitude = after(address, "!3d", "!?&#/");
    auto longitude = after(address, "!4d", "!?&#/");
    if (!latitude || !longitude) return std::nullopt;
    return fromParts(std::string(*latitude), std::string(*longitude));
}

// A path segment such as "/place/35.6586,139.7454" or "/search/35°39'31.0\"N+139°44'43.4\"E".
std::optional<sMapLonLat> fromPathSegment(std::string_view address, std::string_view marker) {
    auto segment = after(address, marker, "/?#");
    if (!segment) return std::nullopt;
    return fromText(decoded(*segment));
}

// Google's view "/@lat,lon,17z": the centre of what the user sees.
std::optional<sMapLonLat> fromGoogleView(std::string_view address) {
    auto view = after(address, "/@", "/?#");
    if (!view) return std::nullopt;
    std::string_view rest = *view;
    std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::size_t end = rest.find(',', comma + 1);
    return fromText(rest.substr(0, end));
}

// Full-width ASCII forms (U+FF01-U+FF5E) and the ideographic space become ASCII, so that
// "３５．６５８６，１３９．７４５４" reads like its ASCII spelling.
std::string foldedFullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        bool threeBytes = i + 2 < text.size();
        if (threeBytes && byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            out.push_back(' ');
            i += 3;
            continue;
        }
        if (threeBytes && byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD)) {
            unsigned code = 0xFF00 + ((byte(1) & 0x03u) << 6) + (byte(2) & 0x3Fu);
            if ((byte(2) & 0xC0) == 0x80 && code >= 0xFF01 && code <= 0xFF5E) {
                out.push_back(static_cast<char>(code - 0xFF01 + 0x21));
                i += 3;
                continue;
            }
        }
        out.push_back(text[i++]);
    }
    return out;
}

}  // namespace

std::optional<sMapLonLat> MapPositionParser::parse(std::string_view original) {
    if (original.size() > kMaxTextBytes) return std::nullopt;
    std::string folded = foldedFullWidth(original);
    std::string_view text = trimmed(folded);
    if (startsWithNoCase(text, "geo:")) return parseGeoUri(text.substr(4));
    if (startsWithNoCase(text, "http://") || startsWithNoCase(text, "https://") ||
        startsWithNoCase(text, "www.") || startsWithNoCase(text, "maps.") ||
        startsWithNoCase(text, "openstreetmap.org") || startsWithNoCase(text, "google."))
        return parseWebAddress(text);
    return parseCoordinates(text);
}

std::optional<sMapLonLat> MapPositionParser::parseGeoUri(std::string_view uri) {
    // geo:lat,lon[,alt][;params][?q=lat,lon(label)]; "geo:0,0?q=..." names the place in q.
    std::string_view coordinates = uri.substr(0, uri.find_first_of(";?"));
    std::size_t comma = coordinates.find(',');
    if (comma != std::string_view::npos) {
        std::size_t altitude = coordinates.find(',', comma + 1);
        coordinates = coordinates.substr(0, altitude);
    }
    auto position = fromText(coordinates);
    bool unset = position && position->longitude == 0 && position->latitude == 0;
    if (auto query = parameter(uri, "q"); query && (unset || !position)) {
        std::string_view q = *query;
        if (auto fromQuery = fromText(q.substr(0, q.find('('))); fromQuery) return fromQuery;
    }
    return position;
}

std::optional<sMapLonLat> MapPositionParser::parseWebAddress(std::string_view address) {
    if (auto marker = fromParts(parameter(address, "mlat"), parameter(address, "mlon")))
        return marker;
    if (auto place = fromGooglePlaceData(address)) return place;
    for (std::string_view segment : {"/place/", "/search/"})
        if (auto position = fromPathSegment(address, segment)) return position;
    for (std::string_view key : {"q", "query", "ll", "center", "destination"})
        if (auto value = parameter(address, key))
            if (auto position = fromText(*value)) return position;
    if (auto position = fromParts(parameter(address, "lat"), parameter(address, "lon")))
        return position;
    if (auto position = fromOsmMapFragment(address)) return position;
    return fromGoogleView(address);
}

std::optional<sMapLonLat> MapPositionParser::parseCoordinates(std::string_view text) {
    return fromText(text);
}

}  // namespace atlasgate
