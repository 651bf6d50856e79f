#include <shell/AppSettings.h>

#include <gtest/gtest.h>

using platform::IniFile;

namespace {
AppSettings loadFrom(const std::string& text) {
    IniFile ini;
    ini.setText(text);
    AppSettings s;
    s.Load(ini);
    return s;
}
}  // namespace

TEST(AppSettings, AbsentFileGivesTheDefaults) {
    AppSettings s = loadFrom("");
    EXPECT_TRUE(s.position.isEmpty());
    EXPECT_FLOAT_EQ(s.exSplit, 0.5f);
    EXPECT_FLOAT_EQ(s.fileSplit, 0.3f);
    EXPECT_EQ(s.playColumn, (std::vector<std::uint32_t>{125, 25, 95, 75, 55, 50, 50, 50}));
    EXPECT_EQ(s.dbColumn.size(), 9u);
    EXPECT_EQ(s.ptColumn.size(), 5u);
    EXPECT_EQ(s.sound, 1);
    EXPECT_EQ(s.withDJ, 1);
    EXPECT_EQ(s.transparent, 0);
    EXPECT_EQ(s.watchFolder, 1);
    EXPECT_EQ(s.debugLog, 0);
}

TEST(AppSettings, RatiosAndPositionConvertAsStored) {
    AppSettings s = loadFrom("[Window]\nExSplit=5000\nPosition=10,20,30\n");
    EXPECT_FLOAT_EQ(s.exSplit, 0.5f);
    EXPECT_EQ(s.position, (WindowRect{10, 20, 30, 0}));  // a missing field counts as 0
    s.exSplit = 0.33339f;
    IniFile ini;
    s.Save(ini);
    EXPECT_EQ(ini.getInt("Window", "ExSplit", 0), 3333);
    EXPECT_EQ(ini.getString("Window", "Position", ""), "10,20,30,0");
}

TEST(AppSettings, WidthListsParseLeniently) {
    EXPECT_EQ(AppSettings::ParseWidths(""), (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(AppSettings::ParseWidths("12,x,7px"), (std::vector<std::uint32_t>{12, 0, 7}));
    EXPECT_EQ(AppSettings::FormatWidths({1, 22, 333}), "1,22,333");
    EXPECT_EQ(AppSettings::FormatWidths({}), "");
}

TEST(AppSettings, ShellFoldersAreStoredIn32CharacterPieces) {
    AppSettings s;
    s.shellFolders = std::string(32, 'a') + std::string(32, 'b') + "cccccc";  // 70 characters
    IniFile ini;
    ini.setText("[File]\nShellFolder03=stale\n");
    s.Save(ini);
    EXPECT_EQ(ini.getInt("File", "ShellFolders", 0), 3);
    EXPECT_EQ(ini.getString("File", "ShellFolder00", ""), std::string(32, 'a'));
    EXPECT_EQ(ini.getString("File", "ShellFolder02", ""), "cccccc");
    AppSettings back;
    back.Load(ini);
    EXPECT_EQ(back.shellFolders, s.shellFolders);  // the stale fourth piece is ignored
}

TEST(AppSettings, LogSwitchAndReadOnlyKeys) {
    EXPECT_EQ(loadFrom("[Debug]\nLog=4827\n").debugLog, 1);
    EXPECT_EQ(loadFrom("[Debug]\nLog=4827 on\n").debugLog, 1);
    EXPECT_EQ(loadFrom("[Debug]\nLog=0\n").debugLog, 0);
    EXPECT_EQ(loadFrom("[Debug]\nLog=\n").debugLog, 0);
    AppSettings s = loadFrom(
        "[Option]\nTransparent=1\nAnalysisJobs=3\n[Debug]\nLog=4827\nWatchFolder=0\n");
    EXPECT_EQ(s.transparent, 1);
    EXPECT_EQ(s.analysisJobs, 3);
    EXPECT_EQ(s.watchFolder, 0);
    EXPECT_EQ(loadFrom("[Option]\nAnalysisJobs=-2\n").analysisJobs, 0);
    IniFile ini;
    s.Save(ini);
    EXPECT_FALSE(ini.contains("Option", "Transparent"));
    EXPECT_FALSE(ini.contains("Option", "AnalysisJobs"));
    EXPECT_FALSE(ini.contains("Debug", "Log"));
    EXPECT_FALSE(ini.contains("Debug", "WatchFolder"));
}

TEST(AppSettings, RoundTripKeepsEveryWrittenValue) {
    AppSettings s;
    s.position = {5, 6, 725, 546};
    s.maximized = 1;
    s.view = 2;
    s.ptColumn = {1, 2, 3, 4, 5};
    s.tempFolder = 1;
    s.tempFolderPath = "/home/user/work/";
    s.imgFileSpec = "photo.jpg";
    IniFile ini;
    s.Save(ini);
    AppSettings back;
    back.Load(ini);
    EXPECT_EQ(back.position, s.position);
    EXPECT_EQ(back.maximized, 1);
    EXPECT_EQ(back.view, 2);
    EXPECT_EQ(back.ptColumn, s.ptColumn);
    EXPECT_EQ(back.tempFolderPath, s.tempFolderPath);
    EXPECT_EQ(back.imgFileSpec, "photo.jpg");
}
