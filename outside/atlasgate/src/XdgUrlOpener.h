#pragma once
// The default URL opener: runs xdg-open with the address as its only argument, without a shell,
// and does not wait for the browser.
#include <outside/MapUrlOpener.h>

namespace atlasgate {

class XdgUrlOpener : public MapUrlOpener {
public:
    XdgUrlOpener();
    bool open(const std::string& url) override;
    bool available() const override { return !m_program.empty(); }

private:
    std::string m_program;  // full path of xdg-open found on PATH, empty when there is none
};

}  // namespace atlasgate
