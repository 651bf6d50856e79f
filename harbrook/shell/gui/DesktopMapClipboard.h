#pragma once
// The desktop clipboard as the map bridge reads it: where the user copies a position from a web
// map before taking it into a point.
#include <outside/MapClipboard.h>

class DesktopMapClipboard : public MapClipboard {
public:
    std::optional<std::string> text() override;
};
