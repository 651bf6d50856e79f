// The music document's file checks and the report they fill.
#include "music/MusicData.h"

#include <outside/Fileaid.h>
#include <platform/Cp932.h>
#include <songbase/Songbase.h>
#include <soundkit/Soundkit.h>

void CMusicData::ClearReport() {
    m_Report.Clear();
    SetResultCode(kOk);
}

int CMusicData::CheckFile(const std::string& path) {
    if (!CFileaid::CheckFile(path.c_str())) {
        m_Report.AddPathLine(
            path, MusicCheckReport::ReasonText(MusicCheckReport::Reason::UnreadablePath));
        return 0;
    }
    const int code = CSoundkit().CheckFormat(path.c_str());
    if (code == SK_CHECK_OK) return 1;
    m_Report.AddPathLine(path, MusicCheckReport::FormatReason(code));
    return 0;
}

int CMusicData::CheckFile(int list, int track) {
    char* stored = nullptr;
    std::string path;
    if (CSongbase::GetTrackFullPath(list, track, &stored) && stored) {
        path.assign(platform::fieldText(stored, sizeof Songbase_Track::path));
    }
    if (path.empty() || !CFileaid::CheckFile(path.c_str())) {
        m_Report.AddTrackLine(list + 1, track + 1, path,
                              MusicCheckReport::ReasonText(MusicCheckReport::Reason::FileMissing));
        return 0;
    }
    // Taken before the check, so that a change during the check counts as a change after it.
    const auto stamp = MusicFileStamps::Of(path);
    const int code = CSoundkit().CheckFormat(path.c_str());
    if (code != SK_CHECK_OK) {
        m_Report.AddTrackLine(list + 1, track + 1, path, MusicCheckReport::FormatReason(code));
        return 0;
    }
    if (!stamp || !MatchesRecord(list, track, *stamp)) {
        m_Report.AddTrackLine(
            list + 1, track + 1, path,
            MusicCheckReport::ReasonText(MusicCheckReport::Reason::ChangedSinceCheck));
        return 0;
    }
    m_Stamps.Keep(path, *stamp);
    return 1;
}

bool CMusicData::MatchesRecord(int list, int track, const MusicFileStamps::Stamp& stamp) {
    // The record's time and size were read from the file when it was added; a file of another
    // size since then would reach the unit under a header that no longer describes it.
    Songbase_Track* record = nullptr;
    return CSongbase::GetTrackData(list, track, &record) && record &&
           record->fileSize == stamp.size;
}

int CMusicData::TransferCheck() {
    ClearReport();
    m_Stamps.Clear();
    const int lists = CSongbase::GetPlayListCount();
    if (lists == 0) {
        m_Report.AddNoPlayListLine();
        return Fail(kNoPlayList);
    }
    bool allGood = true;
    for (int list = 0; list < lists; ++list) {
        const int tracks = CSongbase::GetTrackCount(list);
        if (tracks == 0) {
            m_Report.AddEmptyPlayListLine(list + 1);
            return Fail(kEmptyPlayList);
        }
        for (int track = 0; track < tracks; ++track) {
            if (!CheckFile(list, track)) {
                SetResultCode(kMusicFileMissing);
                allGood = false;
            }
        }
    }
    return allGood ? 1 : 0;
}

void CMusicData::NoteRemovedPlayList(std::string_view title) {
    m_Report.AddRemovedPlayListLine(title, MusicText(kEmptyPlayListRemoved));
}
