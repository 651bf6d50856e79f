#include <shell/AppPaths.h>

#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace {

class AppPathsTest : public ::testing::Test {
protected:
    AppPaths pathsFor(const fs::path& executable) const {
        return AppPaths(executable, [this](const char* name) {
            const auto found = environment.find(name);
            return found == environment.end() ? std::string() : found->second;
        });
    }
    fs::path makeFolder(const std::string& relative) const {
        fs::create_directories(scratch.path() / relative);
        return scratch.path() / relative;
    }

    testsupport::ScratchDir scratch;
    std::map<std::string, std::string> environment{{"HOME", "/home/user"}};
};

TEST_F(AppPathsTest, BuildFolderKeepsEverythingBesideTheProgram) {
    const fs::path exe = makeFolder("build/bin") / "harbrook";
    const AppPaths paths = pathsFor(exe);
    EXPECT_FALSE(paths.Installed());
    EXPECT_EQ(paths.SettingsFile(), scratch.path() / "build/bin/harbrook.ini");
    EXPECT_EQ(paths.HelpPage(), scratch.path() / "build/bin/help/index.html");
}

TEST_F(AppPathsTest, InstalledProgramUsesTheConfigFolderAndSharedHelp) {
    makeFolder("usr/share/harbrook");
    const fs::path exe = makeFolder("usr/bin") / "harbrook";
    environment["XDG_CONFIG_HOME"] = "/cfg";
    const AppPaths paths = pathsFor(exe);
    EXPECT_TRUE(paths.Installed());
    // Even though this bin folder happens to be writable.
    EXPECT_EQ(paths.SettingsFile(), fs::path("/cfg/harbrook/Harbrook.ini"));
    EXPECT_EQ(paths.HelpPage(), scratch.path() / "usr/share/harbrook/help/index.html");
}

TEST_F(AppPathsTest, ConfigFolderIgnoresARelativeXdgValue) {
    const AppPaths paths = pathsFor("/nonexistent-harbrook/bin/harbrook");
    EXPECT_EQ(paths.ConfigFolder(), fs::path("/home/user/.config/harbrook"));
    environment["XDG_CONFIG_HOME"] = "relative/cfg";
    EXPECT_EQ(paths.ConfigFolder(), fs::path("/home/user/.config/harbrook"));
    // A folder the program cannot write to sends the settings there too.
    EXPECT_EQ(paths.SettingsFile(), fs::path("/home/user/.config/harbrook/Harbrook.ini"));
}

}  // namespace
