#pragma once
// Where the map bridge reads the position the user copied from a web map. The GUI installs one
// that reads the desktop clipboard; tests install their own.
#include <optional>
#include <string>

class MapClipboard {
public:
    virtual ~MapClipboard() = default;
    // The clipboard's text (UTF-8), or nothing when it holds no text.
    virtual std::optional<std::string> text() = 0;
};
