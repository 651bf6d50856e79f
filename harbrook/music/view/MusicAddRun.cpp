#include <music/view/MusicAddRun.h>

#include <music/MusicData.h>
#include <songbase/Songbase.h>

#include <platform/Cp932.h>

#include <algorithm>
#include <filesystem>

namespace {

// The plain files directly inside `folder`, in name order (subfolders are not entered).
std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kind;
        if (!it->is_directory(kind)) files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

int trackCount(int list) {
    return list >= 0 ? CSongbase::GetTrackCount(list) : 0;
}

}  // namespace

void MusicAddRun::Begin(std::vector<MusicAddItem> items, int target) {
    m_items = std::move(items);
    m_next = 0;
    m_folderList = -1;
    m_folderFiles.clear();
    m_target = target;
    m_firstNew = trackCount(target);
    m_lastList = target;
    m_filesDone = 0;
    m_stopped = false;
    m_failed = false;
    m_running = true;
    m_doc.ClearReport();
}

bool MusicAddRun::Step() {
    if (!m_running) return false;
    if (m_folderList >= 0) {
        if (m_folderNext < m_folderFiles.size() && !m_stopped) {
            AddOneFile();
        } else {
            EndFolder();
        }
    } else if (m_next < m_items.size() && !m_stopped) {
        const MusicAddItem& item = m_items[m_next++];
        if (item.isFolder) {
            OpenItem(item);
        } else {
            AddLooseFile(item.path);
        }
    } else {
        Finish();
    }
    return m_running;
}

void MusicAddRun::OpenItem(const MusicAddItem& item) {
    if (m_doc.NewPlayList(item.name.c_str()) != 0) {
        m_failed = true;
        m_stopped = true;
        return;
    }
    m_folderList = CSongbase::GetPlayListCount() - 1;
    m_lastList = m_folderList;
    m_folderTitle = item.name;
    m_folderFiles = filesIn(item.path);
    m_folderNext = 0;
}

void MusicAddRun::AddOneFile() {
    m_lastPath = m_folderFiles[m_folderNext++];
    const int result = m_doc.AddFile(m_folderList, m_lastPath);
    ++m_filesDone;
    if (result == CMusicData::kEAbort) m_stopped = true;
    if (result != 0) m_failed = true;
}

void MusicAddRun::EndFolder() {
    const int list = m_folderList;
    m_folderList = -1;
    m_folderFiles.clear();
    if (m_autoSort) m_doc.SortByTagTrackNo(list, 0);
    if (CSongbase::GetTrackCount(list) > 0) return;
    if (m_doc.Delete(list, -1)) m_doc.NoteRemovedPlayList(platform::cp932ToUtf8Lossy(m_folderTitle));
    if (m_target > list) --m_target;
    m_lastList = m_target;
    m_failed = true;
}

void MusicAddRun::AddLooseFile(const std::string& path) {
    bool created = false;
    if (m_target < 0) {
        if (m_doc.NewPlayList(nullptr) != 0) {
            m_failed = true;
            m_stopped = true;
            return;
        }
        m_target = CSongbase::GetPlayListCount() - 1;
        m_firstNew = 0;
        created = true;
    }
    m_lastList = m_target;
    m_lastPath = path;
    const int result = m_doc.AddFile(m_target, path);
    ++m_filesDone;
    if (result == CMusicData::kEAbort) m_stopped = true;
    if (result != 0) m_failed = true;
    if (created && CSongbase::GetTrackCount(m_target) == 0 && m_doc.Delete(m_target, -1)) {
        m_target = -1;
        m_lastList = -1;
    }
}

void MusicAddRun::Finish() {
    m_running = false;
    if (m_autoSort && m_target >= 0) m_doc.SortByTagTrackNo(m_target, m_firstNew);
}
