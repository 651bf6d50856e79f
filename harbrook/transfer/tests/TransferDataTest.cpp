#include "TransferDataTestStore.h"

#include <testsupport/RecordingTarget.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

using testsupport::readFile;
using testsupport::RecordedMessage;
using testsupport::writeFile;

namespace {

constexpr std::size_t kChunk = CTransferData::kCopyBufferSize;

std::string pattern(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + seed) >> 3);
    return bytes;
}

class TransferDataCopy : public ::testing::Test {
protected:
    // Writes `bytes` as source `name` and pairs it with the same name in the destination folder.
    void addFile(const std::string& name, const std::string& bytes) {
        writeFile(m_source.file(name), bytes);
        m_store.AddPair(m_source.file(name), m_dest.file(name));
    }

    std::vector<RecordedMessage> progress() const {
        return m_target.messages(CTransferData::kMsgCopyProgress);
    }
    std::vector<RecordedMessage> announcements() const {
        return m_target.messages(CTransferData::kMsgTransferFile);
    }

    testsupport::ScratchDir m_source;
    testsupport::ScratchDir m_dest;
    testsupport::RecordingTarget m_target;
    platform::Event m_cancel;
    TestStore m_store;
};

}  // namespace

TEST(TransferDataTexts, BaseCodesIndexTheirTexts) {
    const char* expected[] = {
        "",
        "ファイルが見つかりません。",
        "ファイルが読み込めません。",
        "メモリが足りません。",
        "",
        "ディスクの空きがありません。",
        "エラーが発生しました。",
        "CFカード転送エラー。",
        "ファイルが書き込めません。",
    };
    TestStore store;
    for (int code = 0; code < 9; ++code) {
        store.Fail(code);
        EXPECT_EQ(store.ErrorText(), expected[code]) << "code " << code;
        EXPECT_EQ(store.Succeeded(), code == 0);
    }
}

TEST(TransferDataTexts, StoreTextsFollowTheBaseAndUnknownCodesHaveNone) {
    TestStore store;
    EXPECT_EQ(store.Append("九番"), 9);
    EXPECT_EQ(store.Append("十番"), 10);
    store.Fail(10);
    EXPECT_EQ(store.ErrorText(), "十番");
    store.Fail(11);
    EXPECT_EQ(store.ErrorText(), "");
    store.Fail(-1);
    EXPECT_EQ(store.ErrorText(), "");
}

struct NameCase {
    const char* a;
    const char* b;
    bool same;
};

class TransferDataNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(TransferDataNames, ComparesCaseInsensitivelyWithoutFoldingSecondBytes) {
    EXPECT_EQ(CTransferData::SameFileName(GetParam().a, GetParam().b), GetParam().same);
    EXPECT_EQ(CTransferData::SameFileName(GetParam().b, GetParam().a), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferDataNames,
    ::testing::Values(NameCase{"TRACK001_01.PPD", "track001_01.ppd", true},
                      NameCase{"TRACK001_01.PPD", "TRACK001_02.PPD", false},
                      NameCase{"A.PPD", "A.PPD ", false}, NameCase{"", "", true},
                      // 0x83 0x61 and 0x83 0x41 are different katakana, not "a" and "A".
                      NameCase{"\x83\x61.txt", "\x83\x41.TXT", false},
                      NameCase{"\x83\x61x.txt", "\x83\x61X.TXT", true},
                      NameCase{"[\\]", "[\\]", true}));

TEST(TransferDataNamesPath, BareNameIsAfterTheLastSlash) {
    EXPECT_EQ(CTransferData::BareFileName("/tmp/$$$1A/AVMTR/TRACK001_01.PPD"), "TRACK001_01.PPD");
    EXPECT_EQ(CTransferData::BareFileName("MYDB.txt"), "MYDB.txt");
    EXPECT_EQ(CTransferData::BareFileName("/a/b/"), "");
    EXPECT_EQ(CTransferData::BareFileName("/a/\x83\\.txt"), "\x83\\.txt");
}

// Both ways of moving a chunk: by the kernel and through the copy buffer.
class TransferDataCopyWays : public TransferDataCopy, public ::testing::WithParamInterface<bool> {};

TEST_P(TransferDataCopyWays, CopiesEveryPairByteForByteInChunksWithProgress) {
    m_store.UseKernelCopy(GetParam());
    std::string big = pattern(2 * kChunk + 1000, 1);
    std::string small = pattern(5000, 2);
    addFile("TRACK001_01.PPD", big);
    addFile("TRACK001_02.PPD", small);

    ASSERT_TRUE(m_store.CopyToMedia("", "", &m_target, &m_cancel));
    EXPECT_TRUE(m_store.Copying());
    // Open, 3 chunks, close; open, 1 chunk, close (the last close ends the copy).
    EXPECT_EQ(m_store.RunToEnd(), 8);
    EXPECT_TRUE(m_store.Succeeded());
    EXPECT_FALSE(m_store.Copying());
    EXPECT_EQ(readFile(m_dest.file("TRACK001_01.PPD")), big);
    EXPECT_EQ(readFile(m_dest.file("TRACK001_02.PPD")), small);

    const std::uint64_t total = big.size() + small.size();
    const std::uint64_t done[] = {kChunk, 2 * kChunk, big.size(), total};
    auto messages = progress();
    ASSERT_EQ(messages.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(messages[i].wParam, total >> 10);
        EXPECT_EQ(messages[i].lParam, static_cast<platform::LParam>(done[i] >> 10));
        EXPECT_TRUE(messages[i].sent);
    }
    EXPECT_EQ(messages[4].wParam, 1u);
    EXPECT_EQ(messages[4].lParam, 1);
    EXPECT_FALSE(m_store.Step());
}

INSTANTIATE_TEST_SUITE_P(KernelCopy, TransferDataCopyWays, ::testing::Bool());

TEST_F(TransferDataCopy, EmptyFileIsCreatedWithoutChunk) {
    writeFile(m_dest.file("EMPTY"), "old content");
    addFile("EMPTY", "");
    ASSERT_TRUE(m_store.CopyToMedia("", "", &m_target, nullptr));
    EXPECT_EQ(m_store.RunToEnd(), 2);
    EXPECT_TRUE(m_store.Succeeded());
    EXPECT_TRUE(std::filesystem::exists(m_dest.file("EMPTY")));
    EXPECT_EQ(std::filesystem::file_size(m_dest.file("EMPTY")), 0u);
    ASSERT_EQ(progress().size(), 1u);  // only the completion
}

TEST_F(TransferDataCopy, EmptyListEndsAtOnceWithSuccess) {
    ASSERT_TRUE(m_store.CopyToMedia("", "", &m_target, nullptr));
    EXPECT_LE(m_store.RunToEnd(), 2);
    EXPECT_TRUE(m_store.Succeeded());
    EXPECT_FALSE(m_store.Copying());
}

TEST_F(TransferDataCopy, MissingSourceRefusesToStart) {
    addFile("A", "x");
    m_store.AddPair(m_source.file("MISSING"), m_dest.file("MISSING"));
    EXPECT_FALSE(m_store.CopyToMedia("", "", &m_target, nullptr));
    EXPECT_EQ(m_store.ResultCode(), CTransferData::kFileNotFound);
    EXPECT_FALSE(m_store.Copying());
    EXPECT_FALSE(m_store.Step());
    EXPECT_FALSE(std::filesystem::exists(m_dest.file("A")));
}

TEST_F(TransferDataCopy, CancelStopsAfterTheChunkInProgress) {
    addFile("A", pattern(3 * kChunk, 4));
    addFile("B", pattern(10, 5));
    ASSERT_TRUE(m_store.CopyToMedia("", "", &m_target, &m_cancel));
    EXPECT_TRUE(m_store.Step());  // open
    m_cancel.set();
    EXPECT_TRUE(m_store.Step());  // one chunk, then the cancel is seen
    EXPECT_FALSE(m_store.Step());
    EXPECT_EQ(m_store.ResultCode(), CTransferData::kCancelled);
    EXPECT_EQ(m_store.ErrorText(), "");
    EXPECT_EQ(progress().size(), 1u);  // no completion message
    EXPECT_EQ(std::filesystem::file_size(m_dest.file("A")), kChunk);  // left incomplete
    EXPECT_FALSE(std::filesystem::exists(m_dest.file("B")));
}

TEST_F(TransferDataCopy, CancelDuringTheLastChunkStillCancels) {
    addFile("A", pattern(100, 6));
    ASSERT_TRUE(m_store.CopyToMedia("", "", &m_target, &m_cancel));
    m_cancel.set();
    m_store.RunToEnd();
    EXPECT_EQ(m_store.ResultCode(), CTransferData::kCancelled);
    for (const auto& m : progress()) EXPECT_FALSE(m.wParam == 1 && m.lParam == 1);
}

TEST_F(TransferDataCopy, AnnouncesListedNamesOnceEach) {
    m_store.SetNames({"TRACK001_01.PPD", "TRACK001_02.PPD"});
    addFile("AVMTR.PPD", "a");        // not listed: no announcement
    addFile("track001_02.ppd", "b");  // listed as the second name, other case
    m_store.AddPair(m_source.file("track001_02.ppd"), m_dest.file("again"));  // same name again
    addFile("TRACK001_01.PPD", "c");

    ASSERT_TRUE(m_store.CopyToMedia("", "", &m_target, nullptr));
    m_store.RunToEnd();
    ASSERT_TRUE(m_store.Succeeded());
    auto messages = announcements();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].wParam, 2u);
    EXPECT_EQ(messages[0].lParam, 2);
    EXPECT_EQ(messages[1].wParam, 2u);
    EXPECT_EQ(messages[1].lParam, 1);
    EXPECT_EQ(m_store.FindTransferFileName("Track001_01.ppd"), 0);
    EXPECT_EQ(m_store.FindTransferFileName("TRACK001_03.PPD"), -1);
}

TEST_F(TransferDataCopy, LargeTotalsKeepProgressSmallAndProportional) {
    // A sparse 5 GiB file: its size does not fit the 32-bit fields of the original design.
    const std::int64_t size = std::int64_t{5} << 30;
    std::string path = m_source.file("HUGE");
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
    m_store.AddPair(path, m_dest.file("HUGE"));
    ASSERT_TRUE(m_store.CopyToMedia("", "", &m_target, &m_cancel));
    m_store.Step();
    m_store.Step();
    auto messages = progress();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_LT(messages[0].wParam, 1u << 20);
    EXPECT_GT(messages[0].wParam, 1u << 18);
    // The ratio survives the shift: one chunk of 5 GiB.
    double ratio = static_cast<double>(messages[0].lParam) / static_cast<double>(messages[0].wParam);
    EXPECT_NEAR(ratio, static_cast<double>(kChunk) / static_cast<double>(size), 1e-4);
}
