#include <outside/Shuttler.h>

#include <testsupport/RecordingTarget.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

struct Progress {
    std::string path;
    unsigned percent;
    const ShuttlerFileProgress* record;
};

struct Outcome {
    std::vector<unsigned> order;  // message numbers as taken
    std::vector<Progress> progress;
    unsigned result = 999;
};

// Every file below `root` with its content, keyed by the path relative to `root`.
std::map<std::string, std::string> tree(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = readFile(entry.path().string());
        }
    }
    return files;
}

std::vector<std::string> hiddenEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        if (name.starts_with(".")) names.push_back(name);
    }
    return names;
}

std::string bytes(std::size_t size, char seed) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>(seed + i * 7);
    return s;
}

class ShuttlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(m_unit);
        fs::create_directories(m_work);
        CShuttler::SetUnitFolder(m_unit.string());
        ASSERT_NE(CShuttler::Initialize(&m_target, 0), 0);
        CShuttler::InjectFaults({});
        CShuttler::SetPath(m_work.c_str());
    }
    void TearDown() override {
        CShuttler::Release();
        CShuttler::InjectFaults({});
        CShuttler::SetUnitFolder("");
    }

    void put(const fs::path& root, const std::string& relative, const std::string& content) {
        fs::create_directories((root / relative).parent_path());
        writeFile((root / relative).string(), content);
    }

    // The poll loop of the caller: take messages until the end, then stop and drain.
    // `onProgress` runs for the first progress message (e.g. to stop the transfer).
    Outcome run(const std::function<int()>& trans, const std::function<void()>& onProgress = {}) {
        Outcome outcome;
        trans();
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        bool ended = false;
        while (!ended && std::chrono::steady_clock::now() < deadline) {
            ShuttlerMsg msg;
            if (!ShuttlerGetMessage(&msg)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            outcome.order.push_back(msg.message);
            if (msg.message == CShuttler::kMsgFileProgress) {
                auto* record = reinterpret_cast<const ShuttlerFileProgress*>(msg.lParam);
                outcome.progress.push_back({record->path, record->percent, record});
                if (onProgress && outcome.progress.size() == 1) onProgress();
            } else if (msg.message == CShuttler::kMsgResult) {
                outcome.result = static_cast<unsigned>(msg.wParam);
            } else if (msg.message == CShuttler::kMsgEnd) {
                ended = true;
            }
        }
        EXPECT_TRUE(ended) << "no end message";
        CShuttler::TransStop();
        ShuttlerMsg rest;
        while (ShuttlerGetMessage(&rest)) outcome.order.push_back(rest.message);
        return outcome;
    }

    // The bare names of the files in progress order, each once.
    static std::vector<std::string> fileOrder(const Outcome& outcome) {
        std::vector<std::string> names;
        for (const Progress& p : outcome.progress) {
            std::string name = fs::path(p.path).filename().string();
            if (names.empty() || names.back() != name) names.push_back(name);
        }
        return names;
    }

    void putMusicSet(const fs::path& root, char seed) {
        put(root, "AVMTR/TRACK001_01.PPD", bytes(600 * 1024, seed));
        put(root, "AVMTR/PLINFO001.PPD", bytes(1000, seed + 1));
        put(root, "AVMTR/AVMTR.PPD", bytes(3000, seed + 2));
    }

    void putPointSet(const fs::path& root) {
        const std::string p = "NAVIDATA/POINT/";
        put(root, p + "POINTREC.V04", bytes(201992, 'r'));
        put(root, p + "POINTGRP.V04", bytes(948, 'g'));
        put(root, p + "IMG/POINTIMG.DAT", bytes(14452, 'i'));
        put(root, p + "IMG/0131A2B30000C350_010.BMP", bytes(30000, 'b'));
        put(root, p + "DETAIL/POINTCMT.DAT", bytes(14452, 'c'));
        put(root, p + "DETAIL/0131A2B30000C350_010.txt", "comment");
    }

    testsupport::ScratchDir m_scratch;
    fs::path m_unit = m_scratch.path() / "unit";
    fs::path m_work = m_scratch.path() / "work";
    testsupport::RecordingTarget m_target;
};

}  // namespace

TEST_F(ShuttlerTest, ConnectedWhileTheUnitFolderExists) {
    EXPECT_EQ(CShuttler::GetUsbStatus(), 1);
    fs::remove_all(m_unit);
    EXPECT_EQ(CShuttler::GetUsbStatus(), 0);

    CShuttler::SetUnitFolder("");
    ::setenv("HARBROOK_UNIT_DIR", m_work.c_str(), 1);
    EXPECT_EQ(CShuttler::UnitFolder(), m_work.string());
    EXPECT_EQ(CShuttler::GetUsbStatus(), 1);
    ::unsetenv("HARBROOK_UNIT_DIR");
    EXPECT_EQ(CShuttler::GetUsbStatus(), 0);
}

TEST_F(ShuttlerTest, MusicSendCopiesTheSetWithOrderedMessages) {
    putMusicSet(m_work, 'a');
    Outcome outcome = run(CShuttler::TransMusicToNavi);

    EXPECT_EQ(outcome.result, 0u);
    EXPECT_EQ(tree(m_unit), tree(m_work));
    EXPECT_EQ(fileOrder(outcome),
              (std::vector<std::string>{"AVMTR.PPD", "PLINFO001.PPD", "TRACK001_01.PPD"}));
    // Progress records name the PC-side file and climb to 100 per file.
    std::map<std::string, unsigned> last;
    for (const Progress& p : outcome.progress) {
        EXPECT_TRUE(p.path.starts_with(m_work.string() + "/AVMTR/")) << p.path;
        EXPECT_GE(p.percent, last[p.path]);
        last[p.path] = p.percent;
    }
    for (const auto& [path, percent] : last) EXPECT_EQ(percent, 100u) << path;
    // Records stay readable after later messages were taken.
    for (const Progress& p : outcome.progress) EXPECT_EQ(p.path, p.record->path);

    // Progress first, then exactly one result, then the end; the target saw the same.
    ASSERT_GE(outcome.order.size(), 3u);
    EXPECT_EQ(outcome.order[outcome.order.size() - 2], CShuttler::kMsgResult);
    EXPECT_EQ(outcome.order.back(), CShuttler::kMsgEnd);
    EXPECT_EQ(outcome.order.size(), outcome.progress.size() + 2);
    auto posted = m_target.messages();
    ASSERT_EQ(posted.size(), outcome.order.size());
    for (std::size_t i = 0; i < posted.size(); ++i) {
        EXPECT_EQ(posted[i].message, outcome.order[i]);
        EXPECT_FALSE(posted[i].sent);
    }
}

TEST_F(ShuttlerTest, MusicSendReplacesThePreviousSetButKeepsTheMyDbFile) {
    put(m_unit, "AVMTR/TRACK009_01.PPD", "old track");
    put(m_unit, "AVMTR/AVMTR.PPD", "old master");
    put(m_unit, "AVMTR/MYDB.txt", "#Playlist\r\n");
    putMusicSet(m_work, 'b');

    EXPECT_EQ(run(CShuttler::TransMusicToNavi).result, 0u);
    auto unit = tree(m_unit);
    auto expected = tree(m_work);
    expected["AVMTR/MYDB.txt"] = "#Playlist\r\n";
    EXPECT_EQ(unit, expected);
    EXPECT_TRUE(hiddenEntries(m_unit).empty());
}

TEST_F(ShuttlerTest, MyDbSendReplacesOnlyTheMyDbFile) {
    put(m_unit, "AVMTR/AVMTR.PPD", "master");
    put(m_unit, "AVMTR/MYDB.txt", "old");
    put(m_work, "AVMTR/MYDB.txt", "#Playlist\tnew\r\n");

    Outcome outcome = run(CShuttler::TransMyDBToNavi);
    EXPECT_EQ(outcome.result, 0u);
    EXPECT_EQ(readFile((m_unit / "AVMTR/MYDB.txt").string()), "#Playlist\tnew\r\n");
    EXPECT_EQ(readFile((m_unit / "AVMTR/AVMTR.PPD").string()), "master");
    EXPECT_EQ(fileOrder(outcome), std::vector<std::string>{"MYDB.txt"});
    EXPECT_TRUE(hiddenEntries(m_unit).empty());
}

TEST_F(ShuttlerTest, PointsRoundTripInTheOrderTheStoreExpects) {
    putPointSet(m_work);
    put(m_unit, "NAVIDATA/POINT/IMG/STALE.BMP", "from an older set");

    Outcome sent = run(CShuttler::TransMapToNavi);
    ASSERT_EQ(sent.result, 0u);
    EXPECT_EQ(tree(m_unit), tree(m_work));  // the stale picture went with the old set
    EXPECT_EQ(fileOrder(sent),
              (std::vector<std::string>{"POINTREC.V04", "POINTIMG.DAT", "0131A2B30000C350_010.BMP",
                                        "POINTCMT.DAT", "0131A2B30000C350_010.txt",
                                        "POINTGRP.V04"}));

    fs::path fetchFolder = m_scratch.path() / "fetch";
    fs::create_directories(fetchFolder);
    CShuttler::SetPath(fetchFolder.c_str());
    Outcome fetched = run(CShuttler::TransMapToPc);
    ASSERT_EQ(fetched.result, 0u);
    EXPECT_EQ(tree(fetchFolder), tree(m_work));
    EXPECT_EQ(fileOrder(fetched),
              (std::vector<std::string>{"POINTREC.V04", "POINTGRP.V04", "POINTIMG.DAT",
                                        "0131A2B30000C350_010.BMP", "POINTCMT.DAT",
                                        "0131A2B30000C350_010.txt"}));
    // A fetch names the files where they arrive on the PC.
    EXPECT_EQ(fetched.progress.front().path,
              (fetchFolder / "NAVIDATA/POINT/POINTREC.V04").string());
}

struct Refusal {
    const char* name;
    std::function<void(const fs::path& unit, const fs::path& work)> arrange;
    std::function<int()> trans;
    unsigned code;
};

class ShuttlerRefusal : public ShuttlerTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ShuttlerRefusal, ReportsItsCodeAndTouchesNothing) {
    put(m_unit, "AVMTR/AVMTR.PPD", "kept");
    GetParam().arrange(m_unit, m_work);
    Outcome outcome = run(GetParam().trans);
    EXPECT_EQ(outcome.result, GetParam().code);
    EXPECT_EQ(outcome.order, (std::vector<unsigned>{CShuttler::kMsgResult, CShuttler::kMsgEnd}));
    EXPECT_NE(CShuttler::GetErrorString(GetParam().code), nullptr);
    if (fs::exists(m_unit)) {
        EXPECT_EQ(tree(m_unit), (std::map<std::string, std::string>{{"AVMTR/AVMTR.PPD", "kept"}}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShuttlerRefusal,
    ::testing::Values(
        Refusal{"NotConnected",
                [](const fs::path& unit, const fs::path&) { fs::remove_all(unit); },
                CShuttler::TransMusicToNavi, CShuttler::kNotConnected},
        Refusal{"NoMusicInWorkFolder", [](const fs::path&, const fs::path&) {},
                CShuttler::TransMusicToNavi, CShuttler::kNoSource},
        Refusal{"NoMyDbInWorkFolder", [](const fs::path&, const fs::path&) {},
                CShuttler::TransMyDBToNavi, CShuttler::kNoSource},
        Refusal{"NoPointsInWorkFolder", [](const fs::path&, const fs::path&) {},
                CShuttler::TransMapToNavi, CShuttler::kNoSource},
        Refusal{"NoPointsOnUnit", [](const fs::path&, const fs::path&) {},
                CShuttler::TransMapToPc, CShuttler::kNoUnitData},
        Refusal{"NotInitialized", [](const fs::path&, const fs::path&) { CShuttler::Release(); },
                CShuttler::TransMusicToNavi, CShuttler::kNotInitialized},
        Refusal{"PathTooLong",
                [](const fs::path&, const fs::path& work) {
                    fs::path deep = work / std::string(200, 'd') / std::string(100, 'e');
                    fs::create_directories(deep / "AVMTR");
                    writeFile((deep / "AVMTR/AVMTR.PPD").string(), "x");
                    CShuttler::SetPath(deep.c_str());
                },
                CShuttler::TransMusicToNavi, CShuttler::kPathTooLong}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ShuttlerTest, StopMidwayLeavesThePreviousSetIntact) {
    put(m_unit, "AVMTR/AVMTR.PPD", "previous");
    putMusicSet(m_work, 'c');
    put(m_work, "AVMTR/TRACK001_02.PPD", bytes(2 * 1024 * 1024, 'd'));
    CShuttler::InjectFaults({.chunkDelay = std::chrono::milliseconds(5)});

    Outcome outcome = run(CShuttler::TransMusicToNavi, [] { CShuttler::TransStop(); });
    EXPECT_EQ(outcome.result, CShuttler::kStopped);
    EXPECT_EQ(tree(m_unit), (std::map<std::string, std::string>{{"AVMTR/AVMTR.PPD", "previous"}}));
    EXPECT_TRUE(hiddenEntries(m_unit).empty());
}

TEST_F(ShuttlerTest, FailureMidwayLeavesThePreviousSetAndHappensOnce) {
    putPointSet(m_unit);
    auto previous = tree(m_unit);
    putPointSet(m_work);
    put(m_work, "NAVIDATA/POINT/POINTREC.V04", "changed");
    CShuttler::InjectFaults({.failAfterFiles = 2, .failCode = CShuttler::kWriteFailed});

    Outcome failed = run(CShuttler::TransMapToNavi);
    EXPECT_EQ(failed.result, CShuttler::kWriteFailed);
    EXPECT_EQ(fileOrder(failed).size(), 2u);
    EXPECT_EQ(tree(m_unit), previous);
    EXPECT_TRUE(hiddenEntries(m_unit).empty());

    EXPECT_EQ(run(CShuttler::TransMapToNavi).result, 0u);
    EXPECT_EQ(readFile((m_unit / "NAVIDATA/POINT/POINTREC.V04").string()), "changed");
}

// Busy injected by the test hook and, for trying the GUI by hand, by the environment.
class ShuttlerBusy : public ShuttlerTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ShuttlerBusy, BusyOnceThenTheSameTransferSucceeds) {
    put(m_work, "AVMTR/MYDB.txt", "rows");
    if (GetParam()) {
        ::setenv("HARBROOK_SHUTTLER_FAULTS", "delay=0,busy=1", 1);
        CShuttler::Initialize(&m_target, 0);
        ::unsetenv("HARBROOK_SHUTTLER_FAULTS");
    } else {
        CShuttler::InjectFaults({.busyCount = 1});
    }
    Outcome busy = run(CShuttler::TransMyDBToNavi);
    EXPECT_EQ(busy.result, CShuttler::kBusy);
    EXPECT_TRUE(busy.progress.empty());
    EXPECT_FALSE(fs::exists(m_unit / "AVMTR"));
    EXPECT_EQ(run(CShuttler::TransMyDBToNavi).result, 0u);
    EXPECT_EQ(readFile((m_unit / "AVMTR/MYDB.txt").string()), "rows");
}

INSTANTIATE_TEST_SUITE_P(FromEnvironment, ShuttlerBusy, ::testing::Bool());

TEST_F(ShuttlerTest, InterruptedSwapIsRepairedBeforeTheNextSend) {
    // A crash between the two renames of an earlier swap, and a half-made staging folder.
    put(m_unit, ".AVMTR.shuttler-old/MYDB.txt", "db");
    put(m_unit, ".AVMTR.shuttler-new/TRACK005_01.PPD", "partial");
    putMusicSet(m_work, 'e');

    EXPECT_EQ(run(CShuttler::TransMusicToNavi).result, 0u);
    auto expected = tree(m_work);
    expected["AVMTR/MYDB.txt"] = "db";
    EXPECT_EQ(tree(m_unit), expected);
    EXPECT_TRUE(hiddenEntries(m_unit).empty());
}

TEST_F(ShuttlerTest, StopAndReleaseAreSafeAtAnyTime) {
    CShuttler::TransStop();
    CShuttler::TransStop();
    putMusicSet(m_work, 'f');
    CShuttler::InjectFaults({.chunkDelay = std::chrono::milliseconds(20)});
    CShuttler::TransMusicToNavi();
    CShuttler::Release();  // joins the running transfer
    EXPECT_TRUE(hiddenEntries(m_unit).empty());
    ShuttlerMsg msg;
    EXPECT_EQ(ShuttlerGetMessage(&msg), 0);
    EXPECT_EQ(ShuttlerGetMessage(nullptr), 0);
}

TEST_F(ShuttlerTest, FullUnitDiskReportsItsCode) {
    putMusicSet(m_work, 'g');
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{300 * 1024, 300 * 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(100);
        CShuttler::TransMusicToNavi();
        ShuttlerMsg msg;
        unsigned result = 200;
        for (int i = 0; i < 20000; ++i) {
            if (!ShuttlerGetMessage(&msg)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                continue;
            }
            if (msg.message == CShuttler::kMsgResult) result = static_cast<unsigned>(msg.wParam);
            if (msg.message == CShuttler::kMsgEnd) break;
        }
        CShuttler::TransStop();
        ::_exit(static_cast<int>(result));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(CShuttler::kUnitFull));
    EXPECT_FALSE(fs::exists(m_unit / "AVMTR"));
    EXPECT_TRUE(hiddenEntries(m_unit).empty());
}
