#pragma once
// Opens a web address in the user's browser for the map bridge. The default runs xdg-open; tests
// install one that records the address.
#include <string>

class MapUrlOpener {
public:
    virtual ~MapUrlOpener() = default;
    // True when the address was handed to a browser.
    virtual bool open(const std::string& url) = 0;
    // True when open() can work at all (for CAtlasgate::IsInstalled).
    virtual bool available() const { return true; }
};
