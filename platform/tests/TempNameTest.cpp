#include <platform/TempName.h>

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;
namespace fs = std::filesystem;

TEST(TempName, GivenNumberNamesWithoutCreating) {
    EXPECT_EQ(tempFileName("/x/y", "$$$", 0x1abcd), "/x/y/$$$ABCD.TMP");
    EXPECT_EQ(tempFileName("/x/y/", "$$$", 7), "/x/y/$$$7.TMP");
    EXPECT_FALSE(fs::exists("/x/y/$$$7.TMP"));
}

TEST(TempName, ZeroCreatesAFreshFile) {
    fs::path dir = fs::temp_directory_path() / "harbrook-tempname-test";
    fs::create_directories(dir);
    std::string a = tempFileName(dir.string(), "$$$", 0);
    std::string b = tempFileName(dir.string(), "$$$", 0);
    ASSERT_FALSE(a.empty());
    EXPECT_NE(a, b);
    EXPECT_TRUE(fs::exists(a));
    EXPECT_EQ(fs::path(a).filename().string().substr(0, 3), "$$$");
    fs::remove_all(dir);
    EXPECT_EQ(tempFileName("/nonexistent-folder-harbrook", "$$$", 0), "");
}

TEST(TempName, TrailingSlashAddedOnce) {
    EXPECT_EQ(withTrailingSlash("a"), "a/");
    EXPECT_EQ(withTrailingSlash("a/"), "a/");
    EXPECT_EQ(withTrailingSlash(""), "/");
}
