#pragma once
// The map bridge: converts positions into the point records' integer unit and connects the point
// views with the user's web map.
//
// Unit: milliarcseconds (WGS 84), signed 32-bit; east longitude and north latitude are positive.
// A position in degrees, minutes, seconds and tenths of a second is
// ((deg * 60 + min) * 60 + sec) * 1000 + tenths * 100, so the unit grows with the angle.
//
// Showing a position opens an OpenStreetMap address with a marker there; taking a position reads
// the text the user copied from a map (see GetLonLat for the forms understood). All calls come
// from the user-interface thread.
#include <outside/MapClipboard.h>
#include <outside/MapUrlOpener.h>

#include <cstdint>
#include <memory>

// A converted position: longitude first, then latitude, both in milliarcseconds.
struct sMapLonLat {
    std::int32_t longitude;
    std::int32_t latitude;
};
static_assert(sizeof(sMapLonLat) == 8);

class CAtlasgate {
public:
    // Starts the bridge; returns 1 when a browser can be opened (the result may be ignored: the
    // views ask IsInstalled before each use).
    static int Init();
    // Stops the bridge and releases the installed clipboard and URL opener (the defaults return).
    static void Exit();
    // Non-zero between Init and Exit when positions can be shown (a URL opener is available) or
    // taken (a clipboard is installed).
    static int IsInstalled();

    // Converts {degrees, minutes, seconds, tenths} of longitude and latitude (each component
    // taken with its sign as given) into `out`. Returns 1; returns 0 for a null argument (out
    // untouched) or when a result does not fit 32 bits (that value is clamped to the nearest
    // 32-bit limit, which keeps the order of positions).
    static int CalcMapLonLat(const int* longitudeDms, const int* latitudeDms, sMapLonLat* out);

    // Shows the position in the web map; `scale` is the ground distance in metres across a map
    // about 1000 pixels wide (1562 gives a street-level view). Returns 1 when the address was
    // opened, 0 otherwise (not initialised, position out of range, opener failed).
    static int CallMap(std::int32_t longitude, std::int32_t latitude, std::int32_t scale);

    // Reads the position the user copied from a map: decimal "35.6586, 139.7454" (latitude
    // first), degrees-minutes-seconds "35°39'31.0\"N 139°44'43.4\"E" (also with 北緯/東経 and
    // 度分秒), geo: URIs, OpenStreetMap and Google Maps addresses. Returns 1 and sets both
    // values, or 0 and leaves them untouched (nothing usable copied, not initialised).
    static int GetLonLat(std::int32_t* longitude, std::int32_t* latitude);

    // Installs the clipboard to read (nullptr: none) and the URL opener (nullptr: xdg-open).
    static void SetClipboard(std::shared_ptr<MapClipboard> clipboard);
    static void SetUrlOpener(std::shared_ptr<MapUrlOpener> opener);
};
