#include "XdgUrlOpener.h"

#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

// Replaces PATH for one test.
class PathOverride {
public:
    explicit PathOverride(const std::string& path) {
        const char* old = std::getenv("PATH");
        m_had = old != nullptr;
        if (m_had) m_old = old;
        setenv("PATH", path.c_str(), 1);
    }
    ~PathOverride() {
        if (m_had)
            setenv("PATH", m_old.c_str(), 1);
        else
            unsetenv("PATH");
    }

private:
    bool m_had = false;
    std::string m_old;
};

// The opener does not wait for the browser, so the fake one's output appears a moment later.
std::string waitForFile(const std::string& path) {
    for (int i = 0; i < 500 && !std::filesystem::exists(path + ".done"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return testsupport::readFile(path);
}

TEST(XdgUrlOpener, PassesTheAddressAsOneArgumentWithoutAShell) {
    testsupport::ScratchDir dir;
    std::string script = dir.file("xdg-open");
    testsupport::writeFile(script, "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > \"" +
                                       dir.file("args") + "\"\ntouch \"" + dir.file("args") +
                                       ".done\"\n");
    chmod(script.c_str(), 0755);
    PathOverride path(dir.path().string());

    atlasgate::XdgUrlOpener opener;
    ASSERT_TRUE(opener.available());
    const std::string url = "https://example.org/?a=1;touch${IFS}pwned&b=$(id)`id` x";
    ASSERT_TRUE(opener.open(url));
    EXPECT_EQ(waitForFile(dir.file("args")), "1|" + url);
    EXPECT_FALSE(std::filesystem::exists(dir.file("pwned")));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST(XdgUrlOpener, UnavailableWithoutTheProgram) {
    testsupport::ScratchDir dir;
    PathOverride path(dir.path().string());
    atlasgate::XdgUrlOpener opener;
    EXPECT_FALSE(opener.available());
    EXPECT_FALSE(opener.open("https://www.openstreetmap.org/"));
}

TEST(XdgUrlOpener, RefusesAnAddressThatLooksLikeAnOption) {
    atlasgate::XdgUrlOpener opener;
    EXPECT_FALSE(opener.open("--help"));
    EXPECT_FALSE(opener.open(""));
}

}  // namespace
