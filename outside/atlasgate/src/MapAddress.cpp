#include "MapAddress.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace atlasgate {
namespace {

constexpr double kMasPerDegree = 3600000.0;
constexpr double kPi = 3.14159265358979323846;
// Metres per pixel at zoom 0 on the equator of the web map's 256-pixel tiles.
constexpr double kEquatorMetresPerPixel = 156543.03392;
constexpr double kViewWidthPixels = 1000.0;
constexpr int kDefaultZoom = 16;

}  // namespace

std::string MapAddress::degrees(std::int32_t milliarcseconds) {
    // degrees * 10^7 = mas * 10 / 3.6 = mas * 100 / 36, rounded half away from zero.
    long long scaled = std::llabs(static_cast<long long>(milliarcseconds)) * 100;
    long long units = (scaled + 18) / 36;
    std::string fraction = std::to_string(units % 10000000);
    fraction.insert(0, 7 - fraction.size(), '0');
    std::string text = milliarcseconds < 0 && units != 0 ? "-" : "";
    return text + std::to_string(units / 10000000) + "." + fraction;
}

int MapAddress::zoomFor(std::int32_t scaleMetres, std::int32_t latitude) {
    if (scaleMetres <= 0) return kDefaultZoom;
    double cosine = std::cos(latitude / kMasPerDegree * kPi / 180.0);
    double metresAtZoom0 = kEquatorMetresPerPixel * std::max(cosine, 0.01) * kViewWidthPixels;
    int zoom = static_cast<int>(std::lround(std::log2(metresAtZoom0 / scaleMetres)));
    return std::clamp(zoom, 1, 19);
}

std::string MapAddress::build(std::int32_t longitude, std::int32_t latitude,
                              std::int32_t scaleMetres) {
    std::string lat = degrees(latitude);
    std::string lon = degrees(longitude);
    return "https://www.openstreetmap.org/?mlat=" + lat + "&mlon=" + lon + "#map=" +
           std::to_string(zoomFor(scaleMetres, latitude)) + "/" + lat + "/" + lon;
}

}  // namespace atlasgate
