#include <platform/AtomicFile.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using platform::AtomicFile;
namespace fs = std::filesystem;

namespace {
std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("harbrook-atomic-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        target = dir / "data.bin";
        std::ofstream(target) << "old";
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir, target;
};

TEST_F(AtomicFileTest, CommitReplacesTheOldFile) {
    AtomicFile f(target.string());
    ASSERT_TRUE(f.open());
    ASSERT_TRUE(f.write("new content", 11));
    EXPECT_EQ(readAll(target), "old");  // untouched until commit
    ASSERT_TRUE(f.commit());
    EXPECT_EQ(readAll(target), "new content");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, DiscardOrDestructionKeepsTheOldFile) {
    {
        AtomicFile f(target.string());
        ASSERT_TRUE(f.open());
        f.write("partial", 7);
    }
    EXPECT_EQ(readAll(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, UnwritableFolderFailsToOpen) {
    AtomicFile f((dir / "missing" / "x.bin").string());
    EXPECT_FALSE(f.open());
    EXPECT_FALSE(f.write("x", 1));
    EXPECT_FALSE(f.commit());
}
