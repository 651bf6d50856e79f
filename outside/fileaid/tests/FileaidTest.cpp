#include <outside/Fileaid.h>

#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <sys/statvfs.h>

#include <filesystem>

namespace fs = std::filesystem;
using testsupport::ScratchDir;

TEST(FileaidCheckFile, ReportsFilesButNotFoldersOrMissingPaths) {
    ScratchDir dir;
    testsupport::writeFile(dir.file("a.mp3"), "x");
    EXPECT_EQ(CFileaid::CheckFile(dir.file("a.mp3").c_str()), 1);
    EXPECT_EQ(CFileaid::CheckFile(dir.folder().c_str()), 0);
    EXPECT_EQ(CFileaid::CheckFile(dir.file("missing.mp3").c_str()), 0);
    EXPECT_EQ(CFileaid::CheckFile(""), 0);
    EXPECT_EQ(CFileaid::CheckFile(nullptr), 0);
}

TEST(FileaidDeleteDirectory, RemovesTheTreeButNotWhatLinksPointTo) {
    ScratchDir dir;
    ScratchDir outside;
    testsupport::writeFile(outside.file("keep.txt"), "keep");
    const fs::path work = dir.path() / "work";
    fs::create_directories(work / "AVMTR" / "deep");
    testsupport::writeFile((work / "AVMTR" / "AVMTR.PPD").string(), "data");
    fs::create_directory_symlink(outside.path(), work / "link");

    EXPECT_EQ(CFileaid::DeleteDirectory(work.c_str()), 1);
    EXPECT_FALSE(fs::exists(work));
    EXPECT_TRUE(fs::exists(outside.file("keep.txt")));
}

TEST(FileaidDeleteDirectory, RefusesWhatIsNotADeletableFolder) {
    ScratchDir dir;
    testsupport::writeFile(dir.file("file.txt"), "x");
    fs::create_directory_symlink(dir.path(), dir.path() / "link");
    EXPECT_EQ(CFileaid::DeleteDirectory(dir.file("file.txt").c_str()), 0);
    EXPECT_EQ(CFileaid::DeleteDirectory(dir.file("link").c_str()), 0);
    EXPECT_EQ(CFileaid::DeleteDirectory(dir.file("missing").c_str()), 0);
    EXPECT_EQ(CFileaid::DeleteDirectory("/"), 0);
    EXPECT_EQ(CFileaid::DeleteDirectory(""), 0);
    EXPECT_EQ(CFileaid::DeleteDirectory(nullptr), 0);
    EXPECT_TRUE(fs::exists(dir.file("file.txt")));
}

class FileaidSizeOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        struct statvfs info;
        ASSERT_EQ(::statvfs(dir.path().c_str(), &info), 0);
        fragment = info.f_frsize ? info.f_frsize : info.f_bsize;
        ASSERT_GT(fragment, 1u);
    }
    ScratchDir dir;
    std::uint64_t fragment = 0;
};

TEST_F(FileaidSizeOnDisk, RoundsUpToTheFragmentSize) {
    const char* root = dir.path().c_str();
    EXPECT_EQ(CFileaid::GetSizeOnDisk(root, 0), 0u);
    EXPECT_EQ(CFileaid::GetSizeOnDisk(root, 1), fragment);
    EXPECT_EQ(CFileaid::GetSizeOnDisk(root, fragment), fragment);
    EXPECT_EQ(CFileaid::GetSizeOnDisk(root, fragment + 1), 2 * fragment);
    EXPECT_EQ(CFileaid::GetSizeOnDisk(root, UINT64_MAX - 1), UINT64_MAX);
}

TEST_F(FileaidSizeOnDisk, UsesTheNearestExistingFolderOfAPathNotYetMade) {
    const std::string future = dir.file("work/AVMTR/TRACK001_01.PPD");
    EXPECT_EQ(CFileaid::GetSizeOnDisk(future.c_str(), 408), fragment);
    EXPECT_EQ(CFileaid::GetSizeOnDisk(nullptr, 408), 408u);
}
