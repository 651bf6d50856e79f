#include "StoreFixtures.h"

#include <testsupport/ScratchDir.h>

#include <cstring>
#include <filesystem>

#include <sys/resource.h>

#include <csignal>

using namespace songbase_test;
using testsupport::readFile;
using testsupport::ScratchDir;
using testsupport::writeFile;

namespace {

template <typename T>
void poke(std::string& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

template <typename T>
T peek(const std::string& bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

constexpr std::size_t kHeader = 80;
constexpr std::size_t kBlock = 344;
constexpr std::size_t kTrack = 716;

}  // namespace

class EmptyStoreFile : public EmptyStore {
protected:
    ScratchDir dir;
    std::string path = dir.file("list.dat");
};

TEST_F(EmptyStoreFile, EmptyStoreWritesEightyBytesAndReadsBackUsable) {
    ASSERT_EQ(CSongbase::WriteEditData(path.c_str()), 1);
    const std::string bytes = readFile(path);
    ASSERT_EQ(bytes.size(), kHeader);
    EXPECT_EQ(peek<std::int32_t>(bytes, 8), 1);
    EXPECT_EQ(peek<std::uint16_t>(bytes, 32), 1);  // object count
    EXPECT_EQ(bytes.substr(40, 7), "MtrList");
    EXPECT_EQ(peek<std::uint32_t>(bytes, 68), 72u);

    ASSERT_EQ(CSongbase::ReadEditData(path.c_str()), 1);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 0);
    addPlayList("New", {makeTrack("T", 1, 0, 5)});
    EXPECT_TRUE(storeIsConsistent());
}

class OnePlayListFile : public OnePlayListStore {
protected:
    void SetUp() override {
        OnePlayListStore::SetUp();
        ASSERT_EQ(CSongbase::SetTrackInfo(0, 2, nullptr), 1);  // A and B remain
        ASSERT_EQ(CSongbase::WriteEditData(path.c_str()), 1);
        bytes = readFile(path);
    }
    ScratchDir dir;
    std::string path = dir.file("list.dat");
    std::string bytes;
};

TEST_F(OnePlayListFile, HoldsTheHeaderABlockAndTwoTrackRecordsVerbatim) {
    ASSERT_EQ(bytes.size(), 1856u);
    EXPECT_EQ(peek<std::uint64_t>(bytes, 0), 3000u);
    EXPECT_EQ(peek<std::uint16_t>(bytes, 34), 1);  // playlist count
    Songbase_List* pl = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListData(0, &pl), 1);
    EXPECT_EQ(std::memcmp(bytes.data() + kHeader, &pl->record, kBlock), 0);
    EXPECT_EQ(peek<std::uint16_t>(bytes, kHeader + 8), 2);  // track count
    for (int j = 0; j < 2; ++j)
        EXPECT_EQ(std::memcmp(bytes.data() + kHeader + kBlock + j * kTrack, pl->tracks[j], kTrack), 0);
}

TEST_F(OnePlayListFile, RoundTripRestoresEveryByte) {
    ASSERT_EQ(CSongbase::ReadEditData(path.c_str()), 1);
    const std::string again = dir.file("again.dat");
    ASSERT_EQ(CSongbase::WriteEditData(again.c_str()), 1);
    EXPECT_EQ(readFile(again), bytes);
    EXPECT_EQ(trackTitles(0), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(storeIsConsistent());
}

TEST_F(OnePlayListFile, StoredCountsAndGuidsAreTakenAsTheyStand) {
    poke<std::uint16_t>(bytes, 32, 77);         // object count
    poke<std::uint8_t>(bytes, kHeader + 232, 0x5A);  // a byte of the playlist GUID
    writeFile(path, bytes);
    ASSERT_EQ(CSongbase::ReadEditData(path.c_str()), 1);
    EXPECT_EQ(CSongbase::MusicData().header.objectCount, 77);
    AVT_Mtr_PlTrackInfo* m = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListMtr(0, &m), 1);
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&m->guid)[0], 0x5A);
}

TEST_F(OnePlayListFile, DeletingMoreTimeThanThePlayListHoldsStopsAtZero) {
    poke<std::uint16_t>(bytes, kHeader + 14, 2);  // total 2:00 with tracks of 3:00 and 4:00
    poke<std::uint16_t>(bytes, kHeader + 16, 0);
    writeFile(path, bytes);
    ASSERT_EQ(CSongbase::ReadEditData(path.c_str()), 1);
    ASSERT_EQ(CSongbase::SetTrackInfo(0, 1, nullptr), 1);
    AVT_Pl_PlInfo* info = nullptr;
    ASSERT_EQ(CSongbase::GetPlayListInfo(0, &info), 1);
    EXPECT_EQ(info->minutes, 0);
    EXPECT_EQ(info->seconds, 0);
}

TEST_F(OnePlayListFile, UnterminatedTextFromTheFileIsCutToItsField) {
    std::memset(bytes.data() + kHeader + kBlock, 'x', 260);  // the first track's path
    writeFile(path, bytes);
    ASSERT_EQ(CSongbase::ReadEditData(path.c_str()), 1);
    char* p = nullptr;
    ASSERT_EQ(CSongbase::GetTrackFullPath(0, 0, &p), 1);
    EXPECT_EQ(std::strlen(p), 259u);
}

// Every cut of the file, including one byte short of the end, fails and leaves the store empty.
class TruncatedEditData : public OnePlayListFile, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(TruncatedEditData, FailsAndLeavesTheStoreEmpty) {
    writeFile(path, bytes.substr(0, GetParam()));
    EXPECT_EQ(CSongbase::ReadEditData(path.c_str()), 0);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 0);
    EXPECT_EQ(CSongbase::GetAllFileSize(), 0u);
    EXPECT_TRUE(storeIsConsistent());
}

INSTANTIATE_TEST_SUITE_P(Cuts, TruncatedEditData,
                         ::testing::Values(0, 79, 80, 423, 424, 1000, 1139, 1140, 1855));

struct CountCase {
    std::size_t offset;
    std::uint16_t value;
};
class RefusedCounts : public OnePlayListFile, public ::testing::WithParamInterface<CountCase> {};

TEST_P(RefusedCounts, FailAndLeaveTheStoreEmpty) {
    poke<std::uint16_t>(bytes, GetParam().offset, GetParam().value);
    bytes.append(200 * kTrack, '\0');  // enough bytes that only the count can refuse it
    writeFile(path, bytes);
    EXPECT_EQ(CSongbase::ReadEditData(path.c_str()), 0);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Limits, RefusedCounts,
                         ::testing::Values(CountCase{34, 1000}, CountCase{34, 65535},
                                           CountCase{kHeader + 8, 100},
                                           CountCase{kHeader + 8, 65535}));

TEST_F(OnePlayListFile, MissingFileFailsAndEmptiesTheStore) {
    EXPECT_EQ(CSongbase::ReadEditData(dir.file("missing.dat").c_str()), 0);
    EXPECT_EQ(CSongbase::GetPlayListCount(), 0);
    EXPECT_EQ(CSongbase::ReadEditData(nullptr), 0);
}

TEST_F(OnePlayListFile, FailedSaveLeavesThePreviousFileUntouched) {
    // A file size limit makes the new file's writes fail part way, even for root.
    ASSERT_EQ(CSongbase::InsertTrackData(0, 2, makeTrack("C", 1, 0, 10)), 1);
    struct rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = CSongbase::WriteEditData(path.c_str());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFile(path), bytes);
    EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path().filename(), "list.dat");
    EXPECT_EQ(CSongbase::WriteEditData(dir.file("no/such/folder.dat").c_str()), 0);
}
