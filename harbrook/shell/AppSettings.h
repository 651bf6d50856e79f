#pragma once
// Every setting the program keeps between runs, with its load and save rules. The values live in
// memory during the run; other parts of the program change them directly and they are written
// back once, at exit.
#include <platform/IniFile.h>

#include <cstdint>
#include <string>
#include <vector>

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const WindowRect&) const = default;
};

class AppSettings {
public:
    // The "Debug"/"Log" value that switches the transfer library's log on.
    static constexpr int kLogSwitch = 4827;
    static constexpr std::size_t kShellFolderPieceLength = 32;

    AppSettings();  // the defaults of an absent settings file

    void Load(const platform::IniFile& ini);
    // Writes every key that is written at exit; "Transparent" and the "Debug" keys are read only.
    void Save(platform::IniFile& ini) const;

    // Window
    WindowRect position;
    int maximized = 0;
    int view = 0;  // the last mode (a Mode number: music transfer, myDB, registered points)
    float exSplit = 0.5f, fileSplit = 0.3f, playSplit = 0.3f;
    std::vector<std::uint32_t> fileColumn, playColumn, dbColumn, ptColumn;
    // Option
    int sound = 1, autoSort = 1, animation = 1, transparent = 0, withDJ = 1, tempFolder = 0;
    // Tracks a transfer analyses at once; 0: one per core. Read only: set in the file by hand.
    int analysisJobs = 0;
    std::string tempFolderPath;
    // File
    std::string shellFolders;  // the last PC folder, serialised as hexadecimal text
    std::string exIniFolder, exFileSpec, dbIniFolder, dbFileSpec;
    std::string ptIniFolder, ptFileSpec, imgIniFolder, imgFileSpec;
    // Debug
    int debugLog = 0;
    int watchFolder = 1;

    // Width-list and ratio conversions as stored in the file.
    static std::vector<std::uint32_t> ParseWidths(const std::string& text);
    static std::string FormatWidths(const std::vector<std::uint32_t>& widths);
    static float RatioFromInt(int value) { return static_cast<float>(value * 0.0001); }
    static int RatioToInt(float ratio) { return static_cast<int>(ratio * 10000.0f); }
    static WindowRect ParsePosition(const std::string& text);
};
