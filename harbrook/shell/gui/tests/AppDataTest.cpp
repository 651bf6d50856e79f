#include <shell/CommandIds.h>
#include <shell/CommandTarget.h>
#include <shell/gui/AppData.h>

#include <platform/IniFile.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The process has one application data object; every test starts it from the defaults.
class AppDataTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    void Reset() {
        data.m_Settings = AppSettings();
        for (CommandTarget* view : std::vector<CommandTarget*>(data.Views())) data.UnregisterView(view);
        data.SetIniPath({});
    }

    CAppData& data = theAppData();
    testsupport::ScratchDir scratch;
};

struct RecordingView : CommandTarget {
    RecordingView(std::vector<std::pair<RecordingView*, int>>& log) : m_log(log) {}
    bool onCommand(int id) override {
        m_log.emplace_back(this, id);
        if (onUpdate) onUpdate();
        return true;
    }
    std::vector<std::pair<RecordingView*, int>>& m_log;
    std::function<void()> onUpdate;
};

}  // namespace

TEST_F(AppDataTest, EverySavedSettingComesBackFromTheFile) {
    AppSettings& s = data.m_Settings;
    s.position = {10, 20, 810, 620};
    s.maximized = 1;
    s.view = 2;
    s.exSplit = 0.25f;
    s.fileSplit = 0.4f;
    s.playSplit = 0.6f;
    s.fileColumn = {1, 2, 3, 4};
    s.playColumn = {5, 6};
    s.dbColumn = {7};
    s.ptColumn = {8, 9, 10, 11, 12};
    s.sound = 0;
    s.autoSort = 0;
    s.animation = 0;
    s.withDJ = 0;
    s.tempFolder = 1;
    s.tempFolderPath = "/home/user/作業/";
    s.shellFolders = std::string(70, 'f');
    s.exIniFolder = "/a/";
    s.exFileSpec = "list.edt";
    s.dbIniFolder = "/b/";
    s.dbFileSpec = "MYDB.txt";
    s.ptIniFolder = "/c/";
    s.ptFileSpec = "points.dat";
    s.imgIniFolder = "/d/";
    s.imgFileSpec = "p.jpg";
    const AppSettings saved = s;
    data.SetIniPath(scratch.file("Harbrook.ini"));
    ASSERT_TRUE(data.SaveSettings());

    s = AppSettings();
    ASSERT_TRUE(data.LoadSettings());
    // Every kept key: what the loaded settings would write equals what the saved ones wrote.
    platform::IniFile before;
    platform::IniFile after;
    saved.Save(before);
    s.Save(after);
    EXPECT_EQ(after.text(), before.text());
    EXPECT_EQ(s.position, saved.position);
    EXPECT_FLOAT_EQ(s.playSplit, 0.6f);
    EXPECT_EQ(s.ptColumn, saved.ptColumn);
    EXPECT_EQ(s.tempFolderPath, saved.tempFolderPath);
    EXPECT_EQ(s.shellFolders, saved.shellFolders);
}

TEST_F(AppDataTest, ReadOnlyKeysAreReadAndLeftAsTheUserWroteThem) {
    const std::string path = scratch.file("Harbrook.ini");
    testsupport::writeFile(path,
                           "; kept\n[Option]\nTransparent=1\n[Debug]\nLog=4827x\nWatchFolder=0\n");
    data.SetIniPath(path);
    ASSERT_TRUE(data.LoadSettings());
    EXPECT_TRUE(data.Transparent());
    EXPECT_EQ(data.m_Settings.debugLog, 1);
    EXPECT_EQ(data.m_Settings.watchFolder, 0);

    data.m_Settings.transparent = 0;
    data.m_Settings.watchFolder = 1;
    ASSERT_TRUE(data.SaveSettings());
    platform::IniFile ini(path);
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.getInt("Option", "Transparent", -1), 1);
    EXPECT_EQ(ini.getString("Debug", "Log", ""), "4827x");
    EXPECT_EQ(ini.getInt("Debug", "WatchFolder", -1), 0);
    EXPECT_EQ(testsupport::readFile(path).rfind("; kept\n", 0), 0u);
}

TEST_F(AppDataTest, MissingOrUnwritableFileFallsBackQuietly) {
    data.SetIniPath(scratch.file("absent/Harbrook.ini"));
    data.m_Settings.sound = 0;
    EXPECT_FALSE(data.LoadSettings());
    EXPECT_TRUE(data.Sound());  // the defaults of an absent file
    EXPECT_FALSE(data.SaveSettings());
}

TEST_F(AppDataTest, UpdateReachesEveryViewButTheSenderInRegistrationOrder) {
    std::vector<std::pair<RecordingView*, int>> log;
    RecordingView a(log), b(log), c(log);
    data.RegisterView(&a);
    data.RegisterView(&b);
    data.RegisterView(&c);
    data.RegisterView(&b);  // kept once

    data.BroadcastUpdate(&b);
    using Log = std::vector<std::pair<RecordingView*, int>>;
    EXPECT_EQ(log, (Log{{&a, cmd::kUpdate}, {&c, cmd::kUpdate}}));

    log.clear();
    data.BroadcastUpdate(nullptr);
    EXPECT_EQ(log, (Log{{&a, cmd::kUpdate}, {&b, cmd::kUpdate}, {&c, cmd::kUpdate}}));
}

TEST_F(AppDataTest, AViewRemovedDuringTheBroadcastHearsNothingMore) {
    std::vector<std::pair<RecordingView*, int>> log;
    RecordingView a(log), b(log);
    a.onUpdate = [&] { data.UnregisterView(&b); };
    data.RegisterView(&a);
    data.RegisterView(&b);
    data.BroadcastUpdate(nullptr);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].first, &a);
}
