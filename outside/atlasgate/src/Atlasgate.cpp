#include <outside/Atlasgate.h>

#include "MapAddress.h"
#include "MapPositionParser.h"
#include "XdgUrlOpener.h"

#include <cstdint>
#include <limits>

namespace {

struct BridgeState {
    bool initialised = false;
    std::shared_ptr<MapClipboard> clipboard;
    std::shared_ptr<MapUrlOpener> opener;
};

BridgeState& state() {
    static BridgeState bridge;
    return bridge;
}

MapUrlOpener& opener() {
    BridgeState& bridge = state();
    if (!bridge.opener) bridge.opener = std::make_shared<atlasgate::XdgUrlOpener>();
    return *bridge.opener;
}

// ((deg * 60 + min) * 60 + sec) * 1000 + tenths * 100, clamped to 32 bits; false when clamped.
bool toMilliarcseconds(const int* dms, std::int32_t& out) {
    long long value = ((static_cast<long long>(dms[0]) * 60 + dms[1]) * 60 + dms[2]) * 1000 +
                      static_cast<long long>(dms[3]) * 100;
    constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    out = static_cast<std::int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
    return value >= kMin && value <= kMax;
}

constexpr std::int32_t kMaxLatitude = 90 * 3600000;
constexpr std::int32_t kMaxLongitude = 180 * 3600000;

}  // namespace

int CAtlasgate::Init() {
    state().initialised = true;
    return opener().available() ? 1 : 0;
}

void CAtlasgate::Exit() {
    BridgeState& bridge = state();
    bridge.initialised = false;
    bridge.clipboard.reset();
    bridge.opener.reset();
}

int CAtlasgate::IsInstalled() {
    BridgeState& bridge = state();
    if (!bridge.initialised) return 0;
    return (bridge.clipboard || opener().available()) ? 1 : 0;
}

int CAtlasgate::CalcMapLonLat(const int* longitudeDms, const int* latitudeDms, sMapLonLat* out) {
    if (longitudeDms == nullptr || latitudeDms == nullptr || out == nullptr) return 0;
    bool lonFits = toMilliarcseconds(longitudeDms, out->longitude);
    bool latFits = toMilliarcseconds(latitudeDms, out->latitude);
    return lonFits && latFits ? 1 : 0;
}

int CAtlasgate::CallMap(std::int32_t longitude, std::int32_t latitude, std::int32_t scale) {
    if (!state().initialised) return 0;
    if (longitude < -kMaxLongitude || longitude > kMaxLongitude || latitude < -kMaxLatitude ||
        latitude > kMaxLatitude)
        return 0;
    return opener().open(atlasgate::MapAddress::build(longitude, latitude, scale)) ? 1 : 0;
}

int CAtlasgate::GetLonLat(std::int32_t* longitude, std::int32_t* latitude) {
    BridgeState& bridge = state();
    if (!bridge.initialised || !bridge.clipboard || longitude == nullptr || latitude == nullptr)
        return 0;
    auto text = bridge.clipboard->text();
    if (!text) return 0;
    auto position = atlasgate::MapPositionParser::parse(*text);
    if (!position) return 0;
    *longitude = position->longitude;
    *latitude = position->latitude;
    return 1;
}

void CAtlasgate::SetClipboard(std::shared_ptr<MapClipboard> clipboard) {
    state().clipboard = std::move(clipboard);
}

void CAtlasgate::SetUrlOpener(std::shared_ptr<MapUrlOpener> urlOpener) {
    state().opener = std::move(urlOpener);
}
