#pragma once
// The music check report: a header line and one tab-separated line per problem (playlist number,
// track number, file path, reason), each line ending in "\r" alone. UTF-8 text; paths keep their
// file-system bytes.
#include <string>
#include <string_view>

class MusicCheckReport {
public:
    // Reasons that are not a format check code.
    enum class Reason {
        FileMissing,       // a track's file does not exist
        UnreadablePath,    // a path to add is empty, too long or names no file
        AddFailed,         // the store refused a checked file
        EmptyPlayList,
        NoPlayList,
        ChangedSinceCheck,  // the file's size or time is no longer what its check saw
    };

    MusicCheckReport() { Clear(); }

    // Back to the header line alone.
    void Clear();
    const std::string& Text() const { return m_text; }

    // A track of the list (1-based numbers).
    void AddTrackLine(int playList, int track, std::string_view path, std::string_view reason);
    // A file being added by path.
    void AddPathLine(std::string_view path, std::string_view reason);
    // A playlist without tracks (1-based number).
    void AddEmptyPlayListLine(int playList);
    void AddNoPlayListLine();
    // An empty playlist the view removed: its title, then `message`.
    void AddRemovedPlayListLine(std::string_view title, std::string_view message);

    // The reason column for a format check code (unknown codes read as unreadable format).
    static std::string_view FormatReason(int checkCode);
    static std::string_view ReasonText(Reason reason);

private:
    void Append(std::string_view prefix, std::string_view reason);

    std::string m_text;
};
