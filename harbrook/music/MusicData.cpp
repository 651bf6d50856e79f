#include "music/MusicData.h"

#include <mood/MoodDetector.h>
#include <outside/Fileaid.h>
#include <outside/Textaid.h>
#include <platform/Cp932.h>
#include <platform/TempName.h>
#include <songbase/Songbase.h>
#include <soundkit/Soundkit.h>

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Message texts of codes 9 to 28, in code order.
constexpr const char* kMusicTexts[] = {
    "指定のトラックが見つかりません。",
    "指定のプレイリストが見つかりません。",
    "トラックの最大数は99曲です。",
    "プレイリストの最大数は999です。",
    "NAVIで再生できないファイルです。",
    "トラックが入っていないプレイリストがあります。",
    "プレイリストがありません。",
    "曲調検出：曲調検出失敗",
    "曲調検出：音楽ファイル名取得エラー",
    "曲調検出：ファイル名異常",
    "曲調検出：曲調検出結果設定失敗",
    "曲調検出：曲調検出フラグ設定失敗",
    "音楽転送：ファイル出力終了",
    "音楽転送：ファイル出力失敗",
    "トラックを追加できませんでした。",
    "空のプレイリストを削除します。",
    "音楽ファイルが見つかりません。",
    "作業フォルダ内のファイルが見つかりません。",
    "不正なファイル名です。",
    "プレイリストを追加できません。",
};

constexpr std::size_t kTitleBytes = 32;
constexpr std::size_t kTrackReleaseYearChars = 7;

template <std::size_t N, std::size_t M>
void CopyField(char (&field)[N], const char (&source)[M]) {
    platform::copyCp932Field(field, N, platform::fieldText(source, M));
}

// Resets a DURo record to "no mood result".
void ClearDistinct(AVT_Tk_DistinctInfo* info) {
    std::memset(info, 0, sizeof *info);
    info->type = AVT_TYPE_TRACK_DISTINCT;
    info->size = sizeof(AVT_Tk_DistinctInfo);
}

bool MakeFolder(const std::string& path, bool* created) {
    *created = ::mkdir(path.c_str(), 0777) == 0;
    if (*created) return true;
    struct stat st {};
    return errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A "$$$" temporary name in `folder` that no file has yet: the WAV file is overwritten and
// deleted by the job, which must never hit a file of the user's.
std::string FreeTempName(const std::string& folder) {
    constexpr unsigned kNames = 0xFFFF;
    const unsigned start = static_cast<unsigned>(std::rand());
    std::string name;
    for (unsigned i = 0; i < kNames; ++i) {
        name = platform::tempFileName(folder, "$$$", (start + i) % kNames + 1);
        if (::access(name.c_str(), F_OK) != 0) break;
    }
    return name;
}

}  // namespace

CMusicData::CMusicData() {
    for (const char* text : kMusicTexts) {
        [[maybe_unused]] int code = AddErrorText(text);
        assert(code >= kTrackNotFound && code <= kPlayListAddFailed);
    }
    CSongbase::Initialize();
}

CMusicData::~CMusicData() {
    StopRunningWorker();
    m_Worker.Join();
    RemoveWavFile();
    CSongbase::Release();
}

int CMusicData::Fail(int code) {
    SetResultCode(code);
    return 0;
}

bool CMusicData::ValidList(int list) {
    if (list >= 0 && list < CSongbase::GetPlayListCount()) return true;
    SetResultCode(kPlayListNotFound);
    return false;
}

Songbase_Track* CMusicData::TrackOrCode(int list, int track) {
    if (!ValidList(list)) return nullptr;
    Songbase_Track* record = nullptr;
    if (track < 0 || !CSongbase::GetTrackData(list, track, &record) || !record) {
        SetResultCode(kTrackNotFound);
        return nullptr;
    }
    return record;
}

// --- Edit data file ---

bool CMusicData::Load(const std::string& path) {
    m_Modified = false;
    if (CSongbase::ReadEditData(path.c_str())) return true;
    SetResultCode(kCannotRead);
    return false;
}

bool CMusicData::Save(const std::string& path) {
    m_Modified = false;
    if (CSongbase::WriteEditData(path.c_str())) return true;
    SetResultCode(kCannotWrite);
    return false;
}

// --- The transfer list ---

int CMusicData::NewPlayList(const char* name) {
    int index = -1;
    if (!CSongbase::CreatePlayList(&index)) {
        SetResultCode(kTooManyPlayLists);
        return kEAbort;
    }
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetPlayListInfo(index, &info) || !info) {
        SetResultCode(kPlayListNotFound);
        return kEAbort;
    }
    const char* title = name ? name : kDefaultPlayListName;
    std::string_view text(title, ::strnlen(title, kTitleBytes + 1));
    platform::copyCp932Field(info->title, sizeof info->title, text);
    m_Modified = true;
    return 0;
}

int CMusicData::AddFile(int list, const std::string& path) {
    if (!ValidList(list)) return kEAbort;
    if (CSongbase::GetTrackCount(list) >= kMaxTracksPerList) {
        SetResultCode(kTooManyTracks);
        return kEAbort;
    }
    if (path.empty() || path.size() > kMaxAddPathBytes) {
        m_Report.AddPathLine(path, MusicCheckReport::ReasonText(
                                       MusicCheckReport::Reason::UnreadablePath));
        return kEFail;
    }
    if (!CheckFile(path)) return kEFail;
    return AddCheckedFile(list, path);
}

int CMusicData::AddCheckedFile(int list, const std::string& path) {
    const int track = CSongbase::GetTrackCount(list);
    if (!CSongbase::SetTrackInfo(list, track, path.c_str())) {
        m_Report.AddPathLine(path,
                             MusicCheckReport::ReasonText(MusicCheckReport::Reason::AddFailed));
        return kEFail;
    }
    ConvertTrackTexts(list, track);
    m_Modified = true;
    return 0;
}

void CMusicData::ConvertTrackTexts(int list, int track) {
    AVT_Tk_DetailInfo* detail = nullptr;
    if (!CSongbase::GetTrackInfo(list, track, &detail) || !detail) return;
    const int mode = 0;
    CTextaid::ConvNaviToPcString(detail->title, mode);
    CTextaid::ConvNaviToPcString(detail->artist, mode);
}

int CMusicData::Delete(int list, int track) {
    if (!ValidList(list)) return 0;
    if (track == -1) {
        if (!CSongbase::DestroyPlayList(list)) return Fail(kPlayListNotFound);
    } else {
        if (!TrackOrCode(list, track)) return 0;
        if (!CSongbase::SetTrackInfo(list, track, static_cast<const char*>(nullptr))) {
            return Fail(kTrackNotFound);
        }
    }
    m_Modified = true;
    return 1;
}

int CMusicData::SwapPlayLists(int a, int b) {
    if (!ValidList(a) || !ValidList(b)) return 0;
    if (!CSongbase::ChangePlayListOrder(a, b)) return Fail(kPlayListNotFound);
    m_Modified = true;
    return 1;
}

int CMusicData::SwapTracks(int list, int a, int b) {
    if (!TrackOrCode(list, a) || !TrackOrCode(list, b)) return 0;
    if (!CSongbase::ChangeTrackOrder(list, a, b)) return Fail(kTrackNotFound);
    m_Modified = true;
    return 1;
}

int CMusicData::SortByTagTrackNo(int list, int first) {
    if (!ValidList(list)) return 0;
    const int count = CSongbase::GetTrackCount(list);
    for (int i = std::max(first, 0); i < count - 1; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (CSongbase::GetTagTrackNo(list, j) < CSongbase::GetTagTrackNo(list, i) &&
                !SwapTracks(list, i, j)) {
                return 0;
            }
        }
    }
    return 1;
}

int CMusicData::GetProperties(int list, int track, MusicProperties* out) {
    if (!out || !ValidList(list)) return 0;
    if (track != -1 && !TrackOrCode(list, track)) return 0;
    std::memset(out, 0, sizeof *out);
    if (track == -1) {
        FillPlayListProperties(list, out);
    } else {
        FillTrackProperties(list, track, out);
    }
    return 1;
}

void CMusicData::FillPlayListProperties(int list, MusicProperties* out) {
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetPlayListInfo(list, &info) || !info) return;
    CopyField(out->title, info->title);
    CopyField(out->reading, info->titleReading);
    CopyField(out->artist, info->artist);
    CopyField(out->artistReading, info->artistReading);
    CopyField(out->releaseYear, info->releaseYear);
    out->genre = info->genre;
    out->minutes = info->minutes;
    out->seconds = info->seconds;
    out->trackCount = info->trackCount;
}

void CMusicData::FillTrackProperties(int list, int track, MusicProperties* out) {
    Songbase_Track* record = nullptr;
    AVT_Pl_PlInfo* info = nullptr;
    if (!CSongbase::GetTrackData(list, track, &record) || !record) return;
    const AVT_Tk_DetailInfo& detail = record->detail;
    CopyField(out->title, detail.title);
    CopyField(out->reading, detail.titleReading);
    CopyField(out->artist, detail.artist);
    if (CSongbase::GetPlayListInfo(list, &info) && info) {
        CopyField(out->releaseYear, info->releaseYear);
    }
    out->genre = detail.genre;
    out->tagTrackNo = static_cast<std::uint16_t>(CSongbase::GetTagTrackNo(list, track));
    out->minutes = detail.minutes;
    out->seconds = detail.seconds;
    out->codec = record->master.codec != 0 ? record->master.codec : detail.codec;
    out->bitRate = detail.bitRate;
    struct stat st {};
    std::tm local{};
    const std::string path(platform::fieldText(record->path, sizeof record->path));
    if (::stat(path.c_str(), &st) == 0 && ::localtime_r(&st.st_mtime, &local)) {
        out->fileYear = local.tm_year + 1900;
        out->fileMonth = local.tm_mon + 1;
        out->fileDay = local.tm_mday;
    }
}

int CMusicData::SetProperties(int list, int track, const MusicProperties& in) {
    if (!ValidList(list)) return 0;
    AVT_Pl_PlInfo info{};
    AVT_Pl_PlInfo* stored = nullptr;
    if (!CSongbase::GetPlayListInfo(list, &stored) || !stored) return Fail(kPlayListNotFound);
    info = *stored;
    if (track == -1) {
        CopyField(info.title, in.title);
        CopyField(info.titleReading, in.reading);
        CopyField(info.artist, in.artist);
        CopyField(info.artistReading, in.artistReading);
        CopyField(info.releaseYear, in.releaseYear);
        info.genre = in.genre;
    } else {
        Songbase_Track* record = TrackOrCode(list, track);
        if (!record) return 0;
        AVT_Tk_DetailInfo detail = record->detail;
        CopyField(detail.title, in.title);
        CopyField(detail.titleReading, in.reading);
        CopyField(detail.artist, in.artist);
        detail.genre = in.genre;
        if (!CSongbase::SetTrackInfo(list, track, detail)) return Fail(kTrackNotFound);
        const std::string_view year = platform::fieldText(in.releaseYear, sizeof in.releaseYear);
        platform::copyCp932Field(info.releaseYear, sizeof info.releaseYear,
                                 year.substr(0, kTrackReleaseYearChars));
    }
    if (!CSongbase::SetPlayListInfo(list, info)) return Fail(kPlayListNotFound);
    CSongbase::UpdatePlayList(list);
    m_Modified = true;
    return 1;
}

int CMusicData::CopyOutTrack(int list, int track, Songbase_Track* out) {
    const Songbase_Track* record = TrackOrCode(list, track);
    if (!record || !out) return 0;
    *out = *record;
    return 1;
}

int CMusicData::CopyOutPlayList(int list, Songbase_List* out) {
    Songbase_List* record = nullptr;
    if (!out || !ValidList(list)) return 0;
    if (!CSongbase::GetPlayListData(list, &record) || !record) return Fail(kPlayListNotFound);
    *out = *record;
    return 1;
}

int CMusicData::InsertTrack(int list, int track, const Songbase_Track& record) {
    if (!ValidList(list)) return kEAbort;
    const int count = CSongbase::GetTrackCount(list);
    if (count >= kMaxTracksPerList) {
        SetResultCode(kTooManyTracks);
        return kEAbort;
    }
    if (track < 0 || track > count) {
        SetResultCode(kTrackNotFound);
        return kEAbort;
    }
    if (!CSongbase::InsertTrackData(list, track, record)) {
        SetResultCode(kTrackAddFailed);
        return kEAbort;
    }
    m_Modified = true;
    return 0;
}

int CMusicData::InsertPlayList(int list, const Songbase_List& record) {
    const int count = CSongbase::GetPlayListCount();
    if (count >= kMaxPlayLists) {
        SetResultCode(kTooManyPlayLists);
        return kEAbort;
    }
    if (list < 0 || list > count) {
        SetResultCode(kPlayListNotFound);
        return kEAbort;
    }
    if (!CSongbase::InsertPlayListData(list, record)) {
        SetResultCode(kPlayListAddFailed);
        return kEAbort;
    }
    m_Modified = true;
    return 0;
}

int CMusicData::ClearAll() {
    for (int list = CSongbase::GetPlayListCount() - 1; list >= 0; --list) {
        if (!CSongbase::DestroyPlayList(list)) return Fail(kPlayListNotFound);
        m_Modified = true;
    }
    return 1;
}

bool CMusicData::ReleaseYearCheck(std::string_view text) {
    if (text.empty() || text.size() > 4) return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    const int year = std::atoi(std::string(text).c_str());
    return year >= 1000 && year <= 9999;
}

// --- Space and the copy to removable media ---

std::uint64_t CMusicData::RequiredBytes() const {
    return CSongbase::GetTransFileSize(nullptr) + CSongbase::GetMaxDecodeFileSize();
}

std::uint64_t CMusicData::MediaBytes(const std::string& driveRoot) const {
    return CSongbase::GetTransFileSize(driveRoot.c_str());
}

bool CMusicData::CopyToMedia(const std::string& sourceFolder, const std::string& destFolder,
                             platform::MessageTarget* progress, platform::Event* cancel) {
    namespace fs = std::filesystem;
    ClearCopyLists();
    const fs::path source = fs::path(sourceFolder) / "AVMTR";
    const fs::path dest = fs::path(destFolder) / "AVMTR";
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    }
    if (names.empty()) {
        SetResultCode(kWorkFileMissing);
        return false;
    }
    // Directory order is arbitrary on Linux; name order puts AVMTR.PPD before PLINFO and TRACK.
    std::sort(names.begin(), names.end());
    fs::create_directories(dest, ec);
    for (const std::string& name : names) {
        m_SourcePaths.push_back((source / name).string());
        m_DestPaths.push_back((dest / name).string());
    }
    return CTransferData::CopyToMedia(sourceFolder, destFolder, progress, cancel);
}

// --- Check and report ---

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
    const int code = CSoundkit().CheckFormat(path.c_str());
    if (code == SK_CHECK_OK) return 1;
    m_Report.AddTrackLine(list + 1, track + 1, path, MusicCheckReport::FormatReason(code));
    return 0;
}

int CMusicData::TransferCheck() {
    ClearReport();
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
    m_Report.AddRemovedPlayListLine(title, kMusicTexts[kEmptyPlayListRemoved - kTrackNotFound]);
}

// --- Build job ---

void CMusicData::PrepareJob(const std::string& destinationFolder, bool withDetection,
                            platform::MessageTarget* progress, platform::Event* cancel,
                            const std::string& temporaryFolder, MusicQuestion* question) {
    StopRunningWorker();
    m_Worker.Join();
    RemoveWavFile();
    m_Job = JobState{};
    m_Job.step = 0;
    m_Job.withDetection = withDetection;
    m_Job.progress = progress;
    m_Job.cancel = cancel;
    m_Job.question = question;
    m_Job.avmtrFolder = platform::withTrailingSlash(destinationFolder) + "AVMTR/";
    m_Job.wavPath = FreeTempName(platform::withTrailingSlash(temporaryFolder));
    m_TransferFileNames.clear();
}

int CMusicData::JobStep() {
    switch (m_Job.step) {
    case 0: StepStart(); break;
    case 1: return 0;
    case 2: StepFinish(); return 0;
    case 3: StepNextPlayList(); break;
    case 4: StepNextTrack(); break;
    case 5: StepBeginTrack(); break;
    case 6: StepClearResult(); break;
    case 7: StepWaitDecode(); break;
    case 8: StepWaitStop(); break;
    case 9: StepAfterDecode(); break;
    case 10: StepStoreResult(); break;
    case 11: StepTrackDone(); break;
    case 12: m_Job.step = 13; break;
    case 13: ++m_Job.list; m_Job.step = 3; break;
    case 14:
        Send(kMsgFileProgress, 1, 1);
        Pause();
        m_Job.step = 15;
        break;
    case 15: StepWriteMaster(); break;
    case 16: StepWritePlayList(); break;
    case 17: StepWriteTrack(); break;
    case 18: StepNextFilePlayList(); break;
    case 19: StepNextFileTrack(); break;
    case 20: StepFileTrackDone(); break;
    case 21: m_Job.step = 22; break;
    case 22: ++m_Job.list; m_Job.step = 18; break;
    case 23: m_Job.step = 2; break;
    default: return 0;
    }
    return 1;
}

bool CMusicData::Cancelled() const { return m_Job.cancel && m_Job.cancel->isSet(); }

void CMusicData::Send(unsigned message, platform::WParam wParam, platform::LParam lParam) {
    if (m_Job.progress) m_Job.progress->send(message, wParam, lParam);
}

void CMusicData::Pause() const {
    if (m_JobPause.count() > 0) std::this_thread::sleep_for(m_JobPause);
}

void CMusicData::StopJob(int code) {
    SetResultCode(code);
    m_Job.step = 1;
}

int CMusicData::CountTracks() const {
    int total = 0;
    for (int list = 0; list < CSongbase::GetPlayListCount(); ++list) {
        total += CSongbase::GetTrackCount(list);
    }
    return total;
}

void CMusicData::StepStart() {
    if (!TransferCheck()) {
        m_Job.step = 1;
        return;
    }
    m_Job.total = CountTracks();
    Send(kMsgRange, m_Job.withDetection ? 2 * m_Job.total : 1, 0);
    if (!MakeFolder(m_Job.avmtrFolder, &m_Job.createdFolder)) {
        StopJob(kOutputFailed);
        return;
    }
    SetResultCode(kOutputDone);
    m_Job.list = 0;
    m_Job.step = 3;
}

void CMusicData::StepNextPlayList() {
    if (m_Job.list < CSongbase::GetPlayListCount()) {
        m_Job.track = 0;
        m_Job.step = 4;
    } else {
        m_Job.step = 14;
    }
}

void CMusicData::StepNextTrack() {
    m_Job.step = m_Job.track < CSongbase::GetTrackCount(m_Job.list) ? 5 : 12;
}

void CMusicData::StepBeginTrack() {
    if (!m_Job.withDetection) {
        m_Job.step = 6;
        return;
    }
    char* path = nullptr;
    if (!CSongbase::GetTrackFullPath(m_Job.list, m_Job.track, &path) || !path || !*path) {
        StopJob(kNoMusicFileName);
        return;
    }
    Send(kMsgPosition, 2 * m_Job.done, 0);
    AVT_Tk_DetailInfo* detail = nullptr;
    if (!CSongbase::GetTrackInfo(m_Job.list, m_Job.track, &detail) || !detail) {
        StopJob(kDetectFailed);
        return;
    }
    if (detail->duro == 1) {
        m_Job.step = 11;
        return;
    }
    StartDecode(path);
    m_Job.step = 7;
}

void CMusicData::StepClearResult() {
    AVT_Tk_DetailInfo* detail = nullptr;
    if (!CSongbase::GetTrackInfo(m_Job.list, m_Job.track, &detail) || !detail) {
        StopJob(kDetectFailed);
        return;
    }
    if (detail->duro != 0) {
        AVT_Tk_DistinctInfo* info = nullptr;
        if (!CSongbase::GetDURoInfo(m_Job.list, m_Job.track, &info) || !info) {
            StopJob(kDuroSetFailed);
            return;
        }
        ClearDistinct(info);
        detail->duro = 0;
        CSongbase::UpdatePlayList(m_Job.list);
    }
    m_Job.step = 11;
}

void CMusicData::StepWaitDecode() {
    if (m_Worker.Busy()) {
        if (Cancelled()) {
            CSoundkit().DecodeStop();
            m_Job.step = 8;
        }
        return;
    }
    m_Worker.Join();
    m_Job.step = 9;
}

void CMusicData::StepWaitStop() {
    if (m_Worker.Busy()) {
        // A stop asked for before the decode had begun is lost; ask until it ends.
        CSoundkit().DecodeStop();
        return;
    }
    m_Worker.Join();
    RemoveWavFile();
    StopJob(kCancelled);
}

void CMusicData::StepAfterDecode() {
    if (m_Job.decodeResult) {
        Send(kMsgPosition, 2 * m_Job.done + 1, 0);
        StartDetect();
        m_Job.step = 10;
        return;
    }
    // A partial WAV file is of no use to anyone.
    RemoveWavFile();
    const bool goOn = !m_Job.question || m_Job.question->AskYesNo(kDecodeFailedQuestion);
    if (goOn) {
        m_Job.step = 6;
    } else {
        StopJob(kCancelled);
    }
}

void CMusicData::StepStoreResult() {
    if (m_Worker.Busy()) return;
    m_Worker.Join();
    RemoveWavFile();
    AVT_Tk_DistinctInfo* info = nullptr;
    if (!CSongbase::GetDURoInfo(m_Job.list, m_Job.track, &info) || !info) {
        StopJob(kDuroSetFailed);
        return;
    }
    info->status = m_Job.status;
    if (m_Job.detectCode == mood::kDetectCancelled) {
        StopJob(kCancelled);
        return;
    }
    if (m_Job.detectCode == mood::kDetectCompleted) {
        std::memcpy(info->mood, m_Job.result.words, sizeof info->mood);
        AVT_Tk_DetailInfo* detail = nullptr;
        if (!CSongbase::GetTrackInfo(m_Job.list, m_Job.track, &detail) || !detail) {
            StopJob(kDuroFlagFailed);
            return;
        }
        detail->duro = 1;
        CSongbase::UpdatePlayList(m_Job.list);
    }
    m_Job.step = 11;
}

void CMusicData::StepTrackDone() {
    if (Cancelled()) {
        StopJob(kCancelled);
        return;
    }
    ++m_Job.track;
    ++m_Job.done;
    m_Job.step = 4;
}

void CMusicData::StepWriteMaster() {
    if (!CSongbase::WriteAVMTR(m_Job.avmtrFolder.c_str(), nullptr)) {
        StopJob(kOutputFailed);
    } else if (Cancelled()) {
        StopJob(kCancelled);
    } else {
        m_Job.done = 0;
        Send(kMsgFileProgress, m_Job.total, 0);
        m_Job.list = 0;
        m_Job.step = 18;
    }
}

void CMusicData::StepWritePlayList() {
    if (!CSongbase::WritePLINFO(m_Job.avmtrFolder.c_str(), m_Job.list, nullptr)) {
        StopJob(kOutputFailed);
    } else if (Cancelled()) {
        StopJob(kCancelled);
    } else {
        m_Job.step = 19;
    }
}

void CMusicData::StepWriteTrack() {
    // The cancel event reaches the writer too, so a long track file stops part way.
    if (!CSongbase::WriteTRACK(m_Job.avmtrFolder.c_str(), m_Job.list, m_Job.track,
                               m_Job.cancel)) {
        StopJob(Cancelled() ? int{kCancelled} : int{kOutputFailed});
        return;
    }
    if (Cancelled()) {
        StopJob(kCancelled);
        return;
    }
    char name[48];
    std::snprintf(name, sizeof name, "TRACK%03d_%02d.PPD", m_Job.list + 1, m_Job.track + 1);
    m_TransferFileNames.emplace_back(name);
    // Counts the file just written, so the bar is full after the last one.
    Send(kMsgFileProgress, m_Job.total, m_Job.done + 1);
    m_Job.step = 20;
}

void CMusicData::StepNextFilePlayList() {
    if (m_Job.list < CSongbase::GetPlayListCount()) {
        m_Job.track = 0;
        m_Job.step = 16;
    } else {
        m_Job.step = 23;
    }
}

void CMusicData::StepNextFileTrack() {
    m_Job.step = m_Job.track < CSongbase::GetTrackCount(m_Job.list) ? 17 : 21;
}

void CMusicData::StepFileTrackDone() {
    if (Cancelled()) {
        StopJob(kCancelled);
        return;
    }
    ++m_Job.track;
    ++m_Job.done;
    m_Job.step = 19;
}

void CMusicData::StepFinish() {
    Send(kMsgFileProgress, m_Job.total, m_Job.total);
    Pause();
    SetResultCode(kOutputDone);
    m_Job.step = 1;
}

void CMusicData::StartDecode(const char* path) {
    m_Job.decoding = true;
    m_Job.decodeResult = 0;
    const std::string source(path);
    if (!m_Worker.Start([this, source] {
            CSoundkit kit(m_Job.progress, kMsgDecodeProgress, 0);
            m_Job.decodeResult = kit.DecodeRun(source.c_str(), m_Job.wavPath.c_str());
        })) {
        m_Job.decodeResult = 0;
    }
}

void CMusicData::StartDetect() {
    m_Job.decoding = false;
    m_Job.detectCode = mood::kDetectOpenFailed;
    m_Job.status = 0;
    mood::MoodDetector& detector = Detector();
    m_Worker.Start([this, &detector] {
        m_Job.detectCode = detector.Detect(m_Job.wavPath.c_str(), &m_Job.result, &m_Job.status,
                                           m_Job.progress, kMsgDetectProgress, 0, m_Job.cancel);
    });
}

void CMusicData::StopRunningWorker() {
    if (m_Worker.Busy() && m_Job.decoding) {
        while (m_Worker.Busy()) {
            CSoundkit().DecodeStop();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

void CMusicData::RemoveWavFile() const {
    if (!m_Job.wavPath.empty()) ::unlink(m_Job.wavPath.c_str());
}

mood::MoodDetector& CMusicData::Detector() {
    if (m_Detector) return *m_Detector;
    if (!m_OwnDetector) m_OwnDetector = std::make_unique<mood::MoodDetector>();
    m_Detector = m_OwnDetector.get();
    return *m_Detector;
}

int CMusicData::DiscardOutput() {
    if (!m_Job.createdFolder) return 0;
    m_Job.createdFolder = false;
    return CFileaid::DeleteDirectory(m_Job.avmtrFolder.c_str());
}
