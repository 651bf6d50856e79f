#pragma once
// MusicAddRun: adding PC folders and files to the transfer list, one file per step, so that the
// window stays responsive and the user can stop between files. A folder becomes a playlist of the
// files directly inside it; loose files go to the target playlist, or to a "New Album" made for
// them. Playlists that stay empty are removed again (a folder's is noted in the report). With
// AutoSort the new tracks are put in the order of their tag track numbers. Qt-free.
#include <string>
#include <vector>

class CMusicData;

struct MusicAddItem {
    std::string path;  // the file system's own bytes
    std::string name;  // display name (CP932): a folder's playlist title
    bool isFolder = false;
};

class MusicAddRun {
public:
    MusicAddRun(CMusicData& doc, bool autoSort) : m_doc(doc), m_autoSort(autoSort) {}

    // Starts a run over `items` in order; `target` is the playlist loose files go to (-1: none
    // yet). Clears the document's report.
    void Begin(std::vector<MusicAddItem> items, int target);
    // Does one piece of work (one file, or opening the next item); false once the run has ended.
    bool Step();
    // Ends the run after the file being added (Escape).
    void Stop() { m_stopped = true; }
    // Runs every step at once.
    void RunAll() {
        while (Step()) {
        }
    }

    bool Running() const { return m_running; }
    // Something failed: the caller shows the report and the document's message.
    bool Failed() const { return m_failed; }
    int FilesDone() const { return m_filesDone; }
    // The path of the file the last step added (or tried to).
    const std::string& LastPath() const { return m_lastPath; }
    // The playlist the run added to last, -1 when none remains.
    int LastPlayList() const { return m_lastList; }

private:
    void OpenItem(const MusicAddItem& item);
    void AddOneFile();
    void EndFolder();
    void AddLooseFile(const std::string& path);
    void Finish();

    CMusicData& m_doc;
    bool m_autoSort;
    std::vector<MusicAddItem> m_items;
    std::size_t m_next = 0;
    // The folder being added: its playlist, its title and the files still to add.
    int m_folderList = -1;
    std::string m_folderTitle;
    std::vector<std::string> m_folderFiles;
    std::size_t m_folderNext = 0;
    int m_target = -1;
    int m_firstNew = 0;
    int m_lastList = -1;
    int m_filesDone = 0;
    std::string m_lastPath;
    bool m_running = false;
    bool m_stopped = false;
    bool m_failed = false;
};
