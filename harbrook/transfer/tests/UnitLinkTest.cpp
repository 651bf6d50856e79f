// The USB send and fetch loops against the emulated unit: the counter and bar from the library's
// file records, a busy unit asked again, cancelling, a failed or stopped send leaving the unit's
// previous set, and the fetch rebuilding its file list from the second file.
#include "TransferFakes.h"

#include <transfer/TransferData.h>
#include <transfer/UnitLink.h>

#include <points/CPointData.h>

#include <outside/Shuttler.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testsupport::readFile;
using testsupport::writeFile;

class NamedStore : public CTransferData {
public:
    explicit NamedStore(std::vector<std::string> names) { m_TransferFileNames = std::move(names); }
    bool Load(const std::string&) override { return true; }
    bool Save(const std::string&) override { return true; }
};

class UnitLinkTest : public ::testing::Test {
protected:
    UnitLinkTest() {
        CShuttler::SetUnitFolder(unit.path().string());
        CShuttler::Initialize(nullptr, 0);
        CShuttler::SetPath(work.folder().c_str());
        link.SetFinishPause(std::chrono::milliseconds(0));
    }
    ~UnitLinkTest() override {
        CShuttler::Release();
        CShuttler::SetUnitFolder({});
        unsetenv("HARBROOK_SHUTTLER_FAULTS");
    }
    // A music set in the work folder: the master file, a playlist file and two track files.
    void WriteMusicSet(std::size_t trackBytes = 1000) {
        fs::create_directories(work.path() / "AVMTR");
        writeFile(work.file("AVMTR/AVMTR.PPD"), std::string(5000, 'm'));
        writeFile(work.file("AVMTR/PLINFO001.PPD"), "p");
        writeFile(work.file("AVMTR/TRACK001_01.PPD"), std::string(trackBytes, '1'));
        writeFile(work.file("AVMTR/TRACK001_02.PPD"), std::string(trackBytes, '2'));
    }
    void PreviousSetOnUnit() {
        fs::create_directories(unit.path() / "AVMTR");
        writeFile(unit.file("AVMTR/AVMTR.PPD"), "old");
    }

    testsupport::ScratchDir unit;
    testsupport::ScratchDir work;
    RecordingProgress progress;
    ScriptedPrompts prompts;
    UnitLink link{progress, prompts};
};

TEST_F(UnitLinkTest, UnlistedFilesLeaveCounterAndBarAlone) {
    WriteMusicSet();
    NamedStore store({"NOT-SENT.PPD", "TRACK001_02.PPD"});
    ASSERT_TRUE(progress.Begin(true));
    ASSERT_TRUE(link.Send(store, &CShuttler::TransMusicToNavi));
    EXPECT_EQ(progress.counters, (std::vector<std::string>{"1 / 2", "2 / 2"}));
    // The bar stays at 0 until the listed file arrives, then runs from its base (10) to 20,
    // then shows the full range 0..1.
    ASSERT_GE(progress.positions.size(), 2u);
    EXPECT_EQ(progress.positions.back(), 1);
    for (std::size_t i = 0; i + 1 < progress.positions.size(); ++i) {
        const int p = progress.positions[i];
        EXPECT_TRUE(p == 0 || (p >= 10 && p <= 20)) << p;
    }
    EXPECT_EQ(readFile(unit.file("AVMTR/TRACK001_02.PPD")), std::string(1000, '2'));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(UnitLinkTest, BusyUnitIsAskedAgainUntilItAnswers) {
    WriteMusicSet();
    setenv("HARBROOK_SHUTTLER_FAULTS", "busy=3", 1);
    CShuttler::Initialize(nullptr, 0);
    NamedStore store({"TRACK001_01.PPD", "TRACK001_02.PPD"});
    progress.Begin(true);
    EXPECT_TRUE(link.Send(store, &CShuttler::TransMusicToNavi));
    EXPECT_EQ(link.LastResult(), 0u);
    EXPECT_TRUE(fs::exists(unit.path() / "AVMTR" / "TRACK001_02.PPD"));
}

TEST_F(UnitLinkTest, CancelStopsTheBusyRepeats) {
    WriteMusicSet();
    PreviousSetOnUnit();
    CShuttler::InjectFaults({1000000, -1, 4, {}});
    NamedStore store({"TRACK001_01.PPD"});
    progress.Begin(true);
    progress.cancelAtPump = 20;
    EXPECT_FALSE(link.Send(store, &CShuttler::TransMusicToNavi));
    EXPECT_TRUE(link.Cancelled());
    EXPECT_EQ(link.LastResult(), unsigned{CShuttler::kBusy});
    EXPECT_FALSE(progress.IsOpen());  // closed before the library's text
    EXPECT_EQ(prompts.shown, std::vector<std::string>{CShuttler::GetErrorString(CShuttler::kBusy)});
    EXPECT_EQ(readFile(unit.file("AVMTR/AVMTR.PPD")), "old");
}

TEST_F(UnitLinkTest, FailedOrStoppedSendKeepsThePreviousSet) {
    WriteMusicSet(400000);
    PreviousSetOnUnit();
    NamedStore store({"TRACK001_01.PPD", "TRACK001_02.PPD"});
    setenv("HARBROOK_SHUTTLER_FAULTS", "fail=2,code=6", 1);
    CShuttler::Initialize(nullptr, 0);
    progress.Begin(true);
    EXPECT_FALSE(link.Send(store, &CShuttler::TransMusicToNavi));
    EXPECT_EQ(link.LastResult(), 6u);
    EXPECT_FALSE(link.Cancelled());
    EXPECT_EQ(prompts.shown.size(), 1u);

    setenv("HARBROOK_SHUTTLER_FAULTS", "delay=5", 1);
    CShuttler::Initialize(nullptr, 0);
    progress.Begin(true);
    progress.cancelAtPump = progress.pumps + 30;
    EXPECT_FALSE(link.Send(store, &CShuttler::TransMusicToNavi));
    EXPECT_TRUE(link.Cancelled());
    EXPECT_EQ(link.LastResult(), unsigned{CShuttler::kStopped});

    EXPECT_EQ(readFile(unit.file("AVMTR/AVMTR.PPD")), "old");
    EXPECT_FALSE(fs::exists(unit.path() / "AVMTR" / "TRACK001_01.PPD"));
}

TEST_F(UnitLinkTest, FetchCountsFromTheSecondFileWithTheRebuiltList) {
    {
        points::CPointData source;
        for (const char* name : {"p0", "p1", "p2"}) ASSERT_GE(addTestPoint(source, name), 0);
        ASSERT_TRUE(source.SetComment(10, "comment"));
        source.SetTransferAllowed(true);
        ASSERT_TRUE(source.WriteForUsb(unit.folder()));
    }
    points::CPointData store;
    progress.Begin(false);
    ASSERT_TRUE(link.Fetch(store));
    // Record, group, two index files and the one comment.
    EXPECT_EQ(store.TransferFileNames().size(), 5u);
    EXPECT_EQ(progress.Model().Maximum(), 50);
    EXPECT_TRUE(progress.counters.empty());
    int count = 0;
    EXPECT_TRUE(store.StageUnitFile(work.folder(), count));
    EXPECT_EQ(count, 3);
}

TEST_F(UnitLinkTest, FetchFromAUnitWithoutPointsFailsWithTheLibraryText) {
    points::CPointData store;
    progress.Begin(false);
    EXPECT_FALSE(link.Fetch(store));
    EXPECT_EQ(link.LastResult(), unsigned{CShuttler::kNoUnitData});
    EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
