#include <platform/RegularFile.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

TEST(RegularFile, OpensFilesAndRefusesEverythingElseWithoutBlocking) {
    const fs::path dir =
        fs::temp_directory_path() / ("harbrook-regular-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string file = (dir / "f").string();
    const std::string fifo = (dir / "p").string();
    std::FILE* out = std::fopen(file.c_str(), "wb");
    ASSERT_TRUE(out);
    std::fputs("x", out);
    std::fclose(out);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    std::FILE* in = platform::fopenRegularFile(file.c_str());
    ASSERT_TRUE(in);
    EXPECT_EQ(std::fgetc(in), 'x');
    std::fclose(in);
    // No writer ever opens the FIFO: a blocking open would hang here.
    EXPECT_EQ(platform::openRegularFile(fifo.c_str()), -1);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(platform::fopenRegularFile("/dev/zero"), nullptr);
    EXPECT_EQ(platform::openRegularFile(dir.c_str()), -1);
    EXPECT_EQ(errno, EISDIR);
    EXPECT_EQ(platform::openRegularFile((dir / "absent").c_str()), -1);
    EXPECT_EQ(errno, ENOENT);
    fs::remove_all(dir);
}
