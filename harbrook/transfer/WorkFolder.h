#pragma once
// The folder a transfer builds the unit's files in: "$$$" and a number in the temporary folder,
// or in the user's work folder when the TempFolder option names one. While it exists it is the
// process's current folder; destroying the object restores the previous current folder and
// deletes the work folder with everything in it.
#include <cstdint>
#include <string>

class AppSettings;
class TransferPrompts;

class WorkFolder {
public:
    static constexpr const char* kMissingQuestion =
        "作業フォルダが見つかりません。\r\r設定をデフォルトに戻しますか？";

    WorkFolder() = default;
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Picks the base folder and the name and reads the base's free space. When the user's work
    // folder is missing, asks whether to go back to the temporary folder (Yes switches the option
    // off); false when the user keeps it.
    bool Choose(AppSettings& settings, TransferPrompts& prompts);
    // Picks the name in `baseFolder` (tests, the command line).
    void ChooseIn(const std::string& baseFolder);
    // Makes the folder and the current folder. False when it cannot be made.
    bool Create();
    // Back to the previous current folder; the folder and its files are deleted. Done by the
    // destructor too.
    void Remove();

    // The folder, with a trailing '/'.
    const std::string& Path() const { return m_path; }
    const std::string& BaseFolder() const { return m_base; }
    // Free bytes of the base folder's volume when it was chosen; 0 when unreadable.
    std::uint64_t FreeBytes() const { return m_freeBytes; }
    bool Created() const { return m_created; }

    // Free bytes of the volume holding `path`; 0 when unreadable.
    static std::uint64_t FreeBytesOf(const std::string& path);

private:
    std::string m_base;
    std::string m_path;
    std::string m_previousCurrent;
    std::uint64_t m_freeBytes = 0;
    bool m_created = false;
};
