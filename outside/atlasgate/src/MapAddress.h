#pragma once
// The OpenStreetMap address that shows a position with a marker.
#include <cstdint>
#include <string>

namespace atlasgate {

class MapAddress {
public:
    // Milliarcseconds as decimal degrees with seven places, exact and independent of the locale.
    static std::string degrees(std::int32_t milliarcseconds);
    // The zoom level at which a map about 1000 pixels wide spans `scaleMetres` at that latitude
    // (16 for 1562 m in Tokyo); 16 for a scale of 0 or less. Within 1..19.
    static int zoomFor(std::int32_t scaleMetres, std::int32_t latitude);
    // https://www.openstreetmap.org/?mlat=LAT&mlon=LON#map=ZOOM/LAT/LON
    static std::string build(std::int32_t longitude, std::int32_t latitude,
                             std::int32_t scaleMetres);
};

}  // namespace atlasgate
