// Copies that go wrong: each ends with its result code, both files closed and the buffer freed.
#include "TransferDataTestStore.h"

#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::writeFile;

namespace {

constexpr std::size_t kChunk = CTransferData::kCopyBufferSize;

std::size_t openDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

struct Fault {
    const char* name;
    // Prepares the source "A" (and the destination side) before the copy starts.
    std::function<void(const testsupport::ScratchDir& src, const testsupport::ScratchDir& dst)>
        arrange;
    // Runs after the first file was opened and one chunk copied (or the first step failed).
    std::function<void(const testsupport::ScratchDir& src)> midway;
    std::string destName;
    int code;
};

// Each fault with the kernel copy allowed and with the copy buffer only.
class TransferDataFaults : public ::testing::TestWithParam<std::tuple<Fault, bool>> {
protected:
    testsupport::ScratchDir m_source;
    testsupport::ScratchDir m_dest;
    TestStore m_store;
};

void noop(const testsupport::ScratchDir&) {}

}  // namespace

TEST_P(TransferDataFaults, EndsWithItsCodeAndClosesBothFiles) {
    const Fault& fault = std::get<0>(GetParam());
    m_store.UseKernelCopy(std::get<1>(GetParam()));
    writeFile(m_source.file("A"), std::string(3 * kChunk, 'a'));
    fault.arrange(m_source, m_dest);
    m_store.AddPair(m_source.file("A"), m_dest.file(fault.destName));
    m_store.AddPair(m_source.file("A"), m_dest.file("SECOND"));

    const std::size_t descriptorsBefore = openDescriptors();
    ASSERT_TRUE(m_store.CopyToMedia("", "", nullptr, nullptr));
    if (m_store.Step() && m_store.Step()) fault.midway(m_source);
    m_store.RunToEnd();

    EXPECT_EQ(m_store.ResultCode(), fault.code);
    EXPECT_FALSE(m_store.Copying());
    EXPECT_FALSE(m_store.Step());
    EXPECT_EQ(openDescriptors(), descriptorsBefore);
    EXPECT_FALSE(fs::exists(m_dest.file("SECOND")));  // the copy stopped at the first failure
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferDataFaults,
    ::testing::Combine(::testing::Values(
        Fault{"SourceShrinksWhileCopying", [](const auto&, const auto&) {},
              [](const testsupport::ScratchDir& src) { fs::resize_file(src.file("A"), 100); },
              "A", CTransferData::kCannotRead},
        Fault{"SourceIsAFolder",
              [](const auto& src, const auto&) {
                  fs::remove(src.file("A"));
                  fs::create_directory(src.file("A"));
              },
              noop, "A", CTransferData::kCannotRead},
        Fault{"DestinationFolderMissing", [](const auto&, const auto&) {}, noop, "NOFOLDER/A",
              CTransferData::kCannotRead},
        Fault{"DestinationIsAFolder",
              [](const auto&, const auto& dst) { fs::create_directory(dst.file("A")); }, noop, "A",
              CTransferData::kCannotRead}), ::testing::Bool()),
    [](const auto& param) {
        return std::string(std::get<0>(param.param).name) +
               (std::get<1>(param.param) ? "Kernel" : "Buffer");
    });

// A source removed between StartCopy (which measured it) and its turn to be opened.
TEST(TransferDataFaultsTiming, SourceRemovedAfterStartIsUnreadable) {
    testsupport::ScratchDir src, dst;
    writeFile(src.file("A"), "first");
    writeFile(src.file("B"), "second");
    TestStore store;
    store.AddPair(src.file("A"), dst.file("A"));
    store.AddPair(src.file("B"), dst.file("B"));
    ASSERT_TRUE(store.CopyToMedia("", "", nullptr, nullptr));
    fs::remove(src.file("B"));
    store.RunToEnd();
    EXPECT_EQ(store.ResultCode(), CTransferData::kCannotRead);
    EXPECT_EQ(testsupport::readFile(dst.file("A")), "first");
    EXPECT_FALSE(fs::exists(dst.file("B")));
}

// A full disk, made with a file-size limit in a child process (SIGXFSZ ignored, so the write
// fails with EFBIG instead of killing the process).
class TransferDataFullDisk : public ::testing::TestWithParam<bool> {};

TEST_P(TransferDataFullDisk, EndsWithDiskFullCode) {
    testsupport::ScratchDir src, dst;
    writeFile(src.file("A"), std::string(4 * kChunk, 'd'));
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{kChunk + kChunk / 2, kChunk + kChunk / 2};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(100);
        TestStore store;
        store.UseKernelCopy(GetParam());
        store.AddPair(src.file("A"), dst.file("A"));
        if (!store.CopyToMedia("", "", nullptr, nullptr)) ::_exit(101);
        std::size_t before = openDescriptors();
        store.RunToEnd();
        bool closed = openDescriptors() == before;
        ::_exit(store.ResultCode() * 2 + (closed ? 1 : 0));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), CTransferData::kDiskFull * 2 + 1);
    EXPECT_LE(fs::file_size(dst.file("A")), kChunk + kChunk / 2);
}

INSTANTIATE_TEST_SUITE_P(KernelCopy, TransferDataFullDisk, ::testing::Bool());
