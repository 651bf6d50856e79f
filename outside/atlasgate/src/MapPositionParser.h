#pragma once
// Reads a position from text the user copied from a web map (see CAtlasgate::GetLonLat).
#include <outside/Atlasgate.h>

#include <optional>
#include <string_view>

namespace atlasgate {

class MapPositionParser {
public:
    // The position in milliarcseconds, or nothing when the text holds no usable position.
    static std::optional<sMapLonLat> parse(std::string_view text);

private:
    static std::optional<sMapLonLat> parseGeoUri(std::string_view uri);
    static std::optional<sMapLonLat> parseWebAddress(std::string_view address);
    // "lat, lon" in decimal or degrees-minutes-seconds, with optional hemisphere markers.
    static std::optional<sMapLonLat> parseCoordinates(std::string_view text);
};

}  // namespace atlasgate
