#include <shell/AppSettings.h>

#include <algorithm>
#include <cstdio>

using platform::parseDecimal;

namespace {
const char kWindow[] = "Window";
const char kOption[] = "Option";
const char kFile[] = "File";
const char kDebug[] = "Debug";

std::vector<std::string> splitAtComma(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma == std::string::npos ? std::string::npos
                                                                       : comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return pieces;
}

std::string shellFolderKey(std::size_t index) {
    char key[24];
    std::snprintf(key, sizeof key, "ShellFolder%02zu", index);
    return key;
}
}  // namespace

AppSettings::AppSettings() {
    fileColumn = ParseWidths("210,105,170,95");
    playColumn = ParseWidths("125,25,95,75,55,50,50,50");
    dbColumn = ParseWidths("100,25,150,150,75,75,50,75,100");
    ptColumn = ParseWidths("35,210,275,140,105");
}

std::vector<std::uint32_t> AppSettings::ParseWidths(const std::string& text) {
    std::vector<std::uint32_t> widths;
    for (const auto& piece : splitAtComma(text))
        widths.push_back(static_cast<std::uint32_t>(parseDecimal(piece)));
    return widths;
}

std::string AppSettings::FormatWidths(const std::vector<std::uint32_t>& widths) {
    std::string text;
    for (auto w : widths) text += "," + std::to_string(static_cast<int>(w));
    return text.empty() ? text : text.substr(1);
}

WindowRect AppSettings::ParsePosition(const std::string& text) {
    auto pieces = splitAtComma(text);
    auto field = [&](std::size_t i) { return i < pieces.size() ? parseDecimal(pieces[i]) : 0; };
    return WindowRect{field(0), field(1), field(2), field(3)};
}

void AppSettings::Load(const platform::IniFile& ini) {
    position = ParsePosition(ini.getString(kWindow, "Position", "0,0,0,0"));
    maximized = ini.getInt(kWindow, "Maximized", 0);
    view = ini.getInt(kWindow, "View", 0);
    exSplit = RatioFromInt(ini.getInt(kWindow, "ExSplit", 5000));
    fileSplit = RatioFromInt(ini.getInt(kWindow, "FileSplit", 3000));
    playSplit = RatioFromInt(ini.getInt(kWindow, "PlaySplit", 3000));
    fileColumn = ParseWidths(ini.getString(kWindow, "FileColumn", "210,105,170,95"));
    playColumn = ParseWidths(ini.getString(kWindow, "PlayColumn", "125,25,95,75,55,50,50,50"));
    dbColumn = ParseWidths(ini.getString(kWindow, "DbColumn", "100,25,150,150,75,75,50,75,100"));
    ptColumn = ParseWidths(ini.getString(kWindow, "PtColumn", "35,210,275,140,105"));

    sound = ini.getInt(kOption, "Sound", 1);
    autoSort = ini.getInt(kOption, "AutoSort", 1);
    animation = ini.getInt(kOption, "Animation", 1);
    transparent = ini.getInt(kOption, "Transparent", 0);
    withDJ = ini.getInt(kOption, "WithDJ", 1);
    analysisJobs = std::max(0, ini.getInt(kOption, "AnalysisJobs", 0));
    tempFolder = ini.getInt(kOption, "TempFolder", 0);
    tempFolderPath = ini.getString(kOption, "TempFolderPath", "");

    exIniFolder = ini.getString(kFile, "ExIniFolder", "");
    exFileSpec = ini.getString(kFile, "ExFileSpec", "");
    dbIniFolder = ini.getString(kFile, "DbIniFolder", "");
    dbFileSpec = ini.getString(kFile, "DbFileSpec", "");
    ptIniFolder = ini.getString(kFile, "PtIniFolder", "");
    ptFileSpec = ini.getString(kFile, "PtFileSpec", "");
    imgIniFolder = ini.getString(kFile, "ImgIniFolder", "");
    imgFileSpec = ini.getString(kFile, "ImgFileSpec", "");
    shellFolders.clear();
    int pieces = ini.getInt(kFile, "ShellFolders", 0);
    for (int i = 0; i < pieces && i < 10000; ++i)
        shellFolders += ini.getString(kFile, shellFolderKey(static_cast<std::size_t>(i)), "");

    debugLog = parseDecimal(ini.getString(kDebug, "Log", "")) == kLogSwitch ? 1 : 0;
    watchFolder = ini.getInt(kDebug, "WatchFolder", 1);
}

void AppSettings::Save(platform::IniFile& ini) const {
    char pos[64];
    std::snprintf(pos, sizeof pos, "%d,%d,%d,%d", position.left, position.top, position.right,
                  position.bottom);
    ini.setString(kWindow, "Position", pos);
    ini.setInt(kWindow, "Maximized", maximized);
    ini.setInt(kWindow, "View", view);
    ini.setInt(kWindow, "ExSplit", RatioToInt(exSplit));
    ini.setInt(kWindow, "FileSplit", RatioToInt(fileSplit));
    ini.setInt(kWindow, "PlaySplit", RatioToInt(playSplit));
    ini.setString(kWindow, "FileColumn", FormatWidths(fileColumn));
    ini.setString(kWindow, "PlayColumn", FormatWidths(playColumn));
    ini.setString(kWindow, "DbColumn", FormatWidths(dbColumn));
    ini.setString(kWindow, "PtColumn", FormatWidths(ptColumn));

    ini.setInt(kOption, "Sound", sound);
    ini.setInt(kOption, "AutoSort", autoSort);
    ini.setInt(kOption, "Animation", animation);
    ini.setInt(kOption, "WithDJ", withDJ);
    ini.setInt(kOption, "TempFolder", tempFolder);
    ini.setString(kOption, "TempFolderPath", tempFolderPath);

    ini.setString(kFile, "ExIniFolder", exIniFolder);
    ini.setString(kFile, "ExFileSpec", exFileSpec);
    ini.setString(kFile, "DbIniFolder", dbIniFolder);
    ini.setString(kFile, "DbFileSpec", dbFileSpec);
    ini.setString(kFile, "PtIniFolder", ptIniFolder);
    ini.setString(kFile, "PtFileSpec", ptFileSpec);
    ini.setString(kFile, "ImgIniFolder", imgIniFolder);
    ini.setString(kFile, "ImgFileSpec", imgFileSpec);
    std::size_t pieces = 0;
    for (std::size_t at = 0; at < shellFolders.size(); at += kShellFolderPieceLength)
        ini.setString(kFile, shellFolderKey(pieces++), shellFolders.substr(at, kShellFolderPieceLength));
    ini.setInt(kFile, "ShellFolders", static_cast<int>(pieces));
}
