#include <platform/IniFile.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using platform::IniFile;
using platform::parseDecimal;

TEST(IniFile, ReadsCaseInsensitivelyWithDefaults) {
    IniFile ini;
    ini.setText("; comment\r\n[Window]\r\nPosition = 1,2,3,4\r\nView=2\r\n[Debug]\r\nLog=4827abc\r\n");
    EXPECT_EQ(ini.getString("window", "POSITION", "0,0,0,0"), "1,2,3,4");
    EXPECT_EQ(ini.getInt("WINDOW", "view", 0), 2);
    EXPECT_EQ(ini.getInt("Window", "Maximized", 7), 7);
    EXPECT_EQ(ini.getInt("Debug", "Log", 0), 4827);  // conversion stops at the first non-digit
    EXPECT_EQ(ini.getString("Option", "Missing", "def"), "def");
}

TEST(IniFile, WritingKeepsOtherLinesAndAddsSections) {
    IniFile ini;
    ini.setText("; keep me\n[Window]\nView=1\nUnknown=x\n\n[Other]\nA=1\n");
    ini.setInt("window", "View", 2);
    ini.setString("Window", "Maximized", "1");
    ini.setString("File", "ShellFolder00", "abc");
    EXPECT_EQ(ini.text(),
              "; keep me\n[Window]\nView=2\nUnknown=x\nMaximized=1\n\n[Other]\nA=1\n\n"
              "[File]\nShellFolder00=abc\n");
}

TEST(IniFile, QuotedValuesAndEmptyValues) {
    IniFile ini;
    ini.setText("[S]\nA=\"  spaced  \"\nB=\nC\n");
    EXPECT_EQ(ini.getString("S", "A", ""), "  spaced  ");
    EXPECT_TRUE(ini.contains("S", "B"));
    EXPECT_EQ(ini.getInt("S", "B", 5), 0);  // present but no digits
    EXPECT_FALSE(ini.contains("S", "C"));
}

TEST(IniFile, SavesAtomicallyAndLoadsBack) {
    auto path = std::filesystem::temp_directory_path() / "harbrook-ini-test.ini";
    IniFile out(path.string());
    out.setString("Option", "TempFolderPath", "/home/user/作業");
    ASSERT_TRUE(out.save());
    IniFile in(path.string());
    ASSERT_TRUE(in.load());
    EXPECT_EQ(in.getString("option", "tempfolderpath", ""), "/home/user/作業");
    std::filesystem::remove(path);
    IniFile bad("/nonexistent-dir-harbrook/x.ini");
    EXPECT_FALSE(bad.load());
    EXPECT_FALSE(bad.save());
}

TEST(IniFile, DecimalParsingIsLikeAtoi) {
    EXPECT_EQ(parseDecimal("  42xyz"), 42);
    EXPECT_EQ(parseDecimal("-7"), -7);
    EXPECT_EQ(parseDecimal("abc"), 0);
    EXPECT_EQ(parseDecimal(""), 0);
    EXPECT_EQ(parseDecimal("99999999999999"), 2147483647);
}
