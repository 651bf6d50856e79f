// The music document's build job: an optional decode-and-detect pass over every track on the
// analysis workers (several tracks at once, taken back in list order), then the unit files
// written one by one, one step per JobStep() call.
#include "music/MusicData.h"

#include <mood/MoodCache.h>
#include <mood/MoodDetector.h>
#include <outside/Fileaid.h>
#include <platform/Cp932.h>
#include <platform/TempName.h>
#include <songbase/Songbase.h>
#include <soundkit/Soundkit.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Resets a DURo record to "no mood result".
void ClearDistinct(AVT_Tk_DistinctInfo* info) {
    std::memset(info, 0, sizeof *info);
    info->type = AVT_TYPE_TRACK_DISTINCT;
    info->size = sizeof(AVT_Tk_DistinctInfo);
}

// The unit file names the job writes.
std::string PlayListFileName(int list) {
    char name[32];
    std::snprintf(name, sizeof name, "PLINFO%03d.PPD", list + 1);
    return name;
}

std::string TrackFileName(int list, int track) {
    char name[48];
    std::snprintf(name, sizeof name, "TRACK%03d_%02d.PPD", list + 1, track + 1);
    return name;
}

}  // namespace

void CMusicData::PrepareJob(const std::string& destinationFolder, bool withDetection,
                            platform::MessageTarget* progress, platform::Event* cancel,
                            const std::string& temporaryFolder, MusicQuestion* question) {
    m_Job = JobState{};
    m_Job.step = BuildStep::Start;
    m_Job.withDetection = withDetection;
    m_Job.progress = progress;
    m_Job.cancel = cancel;
    m_Job.question = question;
    m_Job.avmtrFolder = platform::withTrailingSlash(destinationFolder) + "AVMTR/";
    m_Job.tempFolder = platform::withTrailingSlash(temporaryFolder);
    m_TransferFileNames.clear();
    MusicAnalysisPool::Setup setup;
    setup.workers = AnalysisJobs();
    setup.tempFolder = m_Job.tempFolder;
    setup.cache = m_MoodCache.get();
    setup.progress = progress;
    setup.decodeMessage = kMsgDecodeProgress;
    setup.detectMessage = kMsgDetectProgress;
    setup.sharedDetector = m_Detector;
    m_Pool.Reset(setup);
}

int CMusicData::AnalysisJobs() const {
    if (m_AnalysisJobs > 0) return m_AnalysisJobs;
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void CMusicData::UseMoodCache(const std::string& folder) {
    m_MoodCache = folder.empty() ? nullptr : std::make_unique<mood::MoodCache>(folder);
}

int CMusicData::JobStep() {
    switch (m_Job.step) {
    case BuildStep::Start: StepStart(); break;
    case BuildStep::Idle: return 0;
    case BuildStep::Finish: StepFinish(); return 0;
    case BuildStep::NextPlayList: StepNextPlayList(); break;
    case BuildStep::NextTrack: StepNextTrack(); break;
    case BuildStep::BeginTrack: StepBeginTrack(); break;
    case BuildStep::ClearResult: StepClearResult(); break;
    case BuildStep::WaitDecode: StepWaitDecode(); break;
    case BuildStep::WaitStop: StepWaitStop(); break;
    case BuildStep::AfterDecode: StepAfterDecode(); break;
    case BuildStep::StoreResult: StepStoreResult(); break;
    case BuildStep::TrackDone: StepTrackDone(); break;
    case BuildStep::PlayListDone: m_Job.step = BuildStep::NextListIndex; break;
    case BuildStep::NextListIndex:
        ++m_Job.list;
        m_Job.step = BuildStep::NextPlayList;
        break;
    case BuildStep::DetectionDone:
        Send(kMsgFileProgress, 1, 1);
        Pause();
        m_Job.step = BuildStep::WriteMaster;
        break;
    case BuildStep::WriteMaster: StepWriteMaster(); break;
    case BuildStep::WritePlayList: StepWritePlayList(); break;
    case BuildStep::WriteTrack: StepWriteTrack(); break;
    case BuildStep::NextFilePlayList: StepNextFilePlayList(); break;
    case BuildStep::NextFileTrack: StepNextFileTrack(); break;
    case BuildStep::FileTrackDone: StepFileTrackDone(); break;
    case BuildStep::FilePlayListDone: m_Job.step = BuildStep::NextFileListIndex; break;
    case BuildStep::NextFileListIndex:
        ++m_Job.list;
        m_Job.step = BuildStep::NextFilePlayList;
        break;
    case BuildStep::FilesDone: m_Job.step = BuildStep::Finish; break;
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
    // The workers end at once: none outlives the job it worked for.
    m_Pool.StopAndWait();
    SetResultCode(code);
    m_Job.step = BuildStep::Idle;
}

// Stops the workers and ends the job as cancelled once none is busy.
void CMusicData::CancelJob() {
    m_Pool.Stop();
    m_Job.step = BuildStep::WaitStop;
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
        m_Job.step = BuildStep::Idle;
        return;
    }
    m_Job.total = CountTracks();
    Send(kMsgRange, m_Job.withDetection ? 2 * m_Job.total : 1, 0);
    // Creating the folder is the test that it is ours: a folder that exists already may be
    // another build's, running into the same destination.
    if (::mkdir(m_Job.avmtrFolder.c_str(), 0777) != 0) {
        m_Job.fault = {m_Job.avmtrFolder, errno};
        StopJob(kOutputFailed);
        return;
    }
    m_Job.createdFolder = true;
    SetResultCode(kOutputDone);
    m_Job.list = 0;
    m_Job.step = BuildStep::NextPlayList;
}

void CMusicData::StepNextPlayList() {
    if (m_Job.list < CSongbase::GetPlayListCount()) {
        m_Job.track = 0;
        m_Job.step = BuildStep::NextTrack;
    } else {
        m_Job.step = BuildStep::DetectionDone;
    }
}

void CMusicData::StepNextTrack() {
    const bool more = m_Job.track < CSongbase::GetTrackCount(m_Job.list);
    m_Job.step = more ? BuildStep::BeginTrack : BuildStep::PlayListDone;
}

void CMusicData::StepBeginTrack() {
    if (!m_Job.withDetection) {
        m_Job.step = BuildStep::ClearResult;
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
        m_Job.step = BuildStep::TrackDone;
        return;
    }
    // Shown first, so that a track handed over just now reports its percentages from the start.
    const int key = TrackKey(m_Job.list, m_Job.track);
    m_Pool.Show(key);
    if (m_Pool.StageOf(key) == MusicAnalysisPool::Stage::Unknown) m_Pool.Submit(key, path);
    FeedPool();
    m_Job.outcome.reset();
    m_Job.step = BuildStep::WaitDecode;
}

int CMusicData::TrackKey(int list, int track) { return list * kMaxTracksPerList + track; }

// Hands the workers the next tracks that need an analysis, in list order, keeping a few more
// than there are workers so that none waits while the job takes the results in order.
void CMusicData::FeedPool() {
    const std::size_t ahead = 2 * static_cast<std::size_t>(AnalysisJobs());
    if (TrackKey(m_Job.feedList, m_Job.feedTrack) < TrackKey(m_Job.list, m_Job.track)) {
        m_Job.feedList = m_Job.list;
        m_Job.feedTrack = m_Job.track;
    }
    while (m_Pool.Pending() < ahead && m_Job.feedList < CSongbase::GetPlayListCount()) {
        const int list = m_Job.feedList;
        const int track = m_Job.feedTrack;
        if (++m_Job.feedTrack >= CSongbase::GetTrackCount(list)) {
            ++m_Job.feedList;
            m_Job.feedTrack = 0;
        }
        if (track >= CSongbase::GetTrackCount(list)) continue;  // an empty playlist
        const int key = TrackKey(list, track);
        char* path = nullptr;
        AVT_Tk_DetailInfo* detail = nullptr;
        if (m_Pool.StageOf(key) != MusicAnalysisPool::Stage::Unknown ||
            !CSongbase::GetTrackFullPath(list, track, &path) || !path || !*path ||
            !CSongbase::GetTrackInfo(list, track, &detail) || !detail || detail->duro == 1)
            continue;
        m_Pool.Submit(key, path);
    }
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
    m_Job.step = BuildStep::TrackDone;
}

// True once the current track's worker is past decoding; its outcome is taken when it is done.
bool CMusicData::CurrentTrackReached(MusicAnalysisPool::Stage stage) {
    const int key = TrackKey(m_Job.list, m_Job.track);
    const MusicAnalysisPool::Stage now = m_Pool.StageOf(key);
    if (std::string wav = m_Pool.WavPathOf(key); !wav.empty()) m_Job.wavPath = wav;
    if (now == MusicAnalysisPool::Stage::Done && !m_Job.outcome) m_Job.outcome = m_Pool.Take(key);
    return m_Job.outcome || (now != MusicAnalysisPool::Stage::Unknown && now >= stage);
}

void CMusicData::StepWaitDecode() {
    if (CurrentTrackReached(MusicAnalysisPool::Stage::Detecting)) {
        m_Job.step = BuildStep::AfterDecode;
    } else if (Cancelled()) {
        CancelJob();
    }
}

void CMusicData::StepWaitStop() {
    if (m_Pool.Busy()) {
        // A stop asked for just as a decode began is lost; ask until every worker has ended.
        m_Pool.Stop();
        return;
    }
    StopJob(kCancelled);
}

void CMusicData::StepAfterDecode() {
    if (!m_Job.outcome || m_Job.outcome->decoded) {
        Send(kMsgPosition, 2 * m_Job.done + 1, 0);
        m_Job.step = BuildStep::StoreResult;
        return;
    }
    const bool goOn = !m_Job.question || m_Job.question->AskYesNo(kDecodeFailedQuestion);
    if (goOn) {
        NoteLostAnalysis(true, 0);
        m_Job.step = BuildStep::ClearResult;
    } else {
        CancelJob();
    }
}

void CMusicData::StepStoreResult() {
    if (!CurrentTrackReached(MusicAnalysisPool::Stage::Done)) {
        // Detection stops on a cancel too, so that every worker ends within moments.
        if (Cancelled()) CancelJob();
        return;
    }
    const MusicAnalysisPool::Outcome outcome = *m_Job.outcome;
    AVT_Tk_DistinctInfo* info = nullptr;
    if (!CSongbase::GetDURoInfo(m_Job.list, m_Job.track, &info) || !info) {
        StopJob(kDuroSetFailed);
        return;
    }
    info->status = outcome.status;
    if (outcome.detectCode == mood::kDetectCancelled) {
        CancelJob();
        return;
    }
    if (outcome.detectCode == mood::kDetectCompleted) {
        std::memcpy(info->mood, outcome.result.words, sizeof info->mood);
        AVT_Tk_DetailInfo* detail = nullptr;
        if (!CSongbase::GetTrackInfo(m_Job.list, m_Job.track, &detail) || !detail) {
            StopJob(kDuroFlagFailed);
            return;
        }
        detail->duro = 1;
        CSongbase::UpdatePlayList(m_Job.list);
    } else if (outcome.detectCode != mood::kDetectTooShort) {
        NoteLostAnalysis(false, outcome.detectCode);
    }
    m_Job.step = BuildStep::TrackDone;
}

void CMusicData::StepTrackDone() {
    if (Cancelled()) {
        CancelJob();
        return;
    }
    ++m_Job.track;
    ++m_Job.done;
    m_Job.step = BuildStep::NextTrack;
}

void CMusicData::StepWriteMaster() {
    if (!CSongbase::WriteAVMTR(m_Job.avmtrFolder.c_str(), nullptr)) {
        m_Job.fault = {m_Job.avmtrFolder + "AVMTR.PPD", errno};
        StopJob(kOutputFailed);
    } else if (Cancelled()) {
        StopJob(kCancelled);
    } else {
        m_Job.done = 0;
        Send(kMsgFileProgress, m_Job.total, 0);
        m_Job.list = 0;
        m_Job.step = BuildStep::NextFilePlayList;
    }
}

void CMusicData::StepWritePlayList() {
    if (!CSongbase::WritePLINFO(m_Job.avmtrFolder.c_str(), m_Job.list, nullptr)) {
        m_Job.fault = {m_Job.avmtrFolder + PlayListFileName(m_Job.list), errno};
        StopJob(kOutputFailed);
    } else if (Cancelled()) {
        StopJob(kCancelled);
    } else {
        m_Job.step = BuildStep::NextFileTrack;
    }
}

void CMusicData::StepWriteTrack() {
    const std::string name = TrackFileName(m_Job.list, m_Job.track);
    if (!SourceUnchanged()) return;
    // The cancel event reaches the writer too, so a long track file stops part way.
    if (!CSongbase::WriteTRACK(m_Job.avmtrFolder.c_str(), m_Job.list, m_Job.track,
                               m_Job.cancel)) {
        m_Job.fault = {m_Job.avmtrFolder + name, errno};
        StopJob(Cancelled() ? int{kCancelled} : int{kOutputFailed});
        return;
    }
    // A change while it was copied shows as a change afterwards.
    if (!SourceUnchanged()) return;
    if (Cancelled()) {
        StopJob(kCancelled);
        return;
    }
    m_TransferFileNames.push_back(name);
    // Counts the file just written, so the bar is full after the last one.
    Send(kMsgFileProgress, m_Job.total, m_Job.done + 1);
    m_Job.step = BuildStep::FileTrackDone;
}

void CMusicData::StepNextFilePlayList() {
    if (m_Job.list < CSongbase::GetPlayListCount()) {
        m_Job.track = 0;
        m_Job.step = BuildStep::WritePlayList;
    } else {
        m_Job.step = BuildStep::FilesDone;
    }
}

void CMusicData::StepNextFileTrack() {
    const bool more = m_Job.track < CSongbase::GetTrackCount(m_Job.list);
    m_Job.step = more ? BuildStep::WriteTrack : BuildStep::FilePlayListDone;
}

void CMusicData::StepFileTrackDone() {
    if (Cancelled()) {
        StopJob(kCancelled);
        return;
    }
    ++m_Job.track;
    ++m_Job.done;
    m_Job.step = BuildStep::NextFileTrack;
}

void CMusicData::StepFinish() {
    // The cache stays bounded; a job is a good moment to drop its oldest entries.
    if (m_MoodCache && m_Job.withDetection) m_MoodCache->Prune();
    Send(kMsgFileProgress, m_Job.total, m_Job.total);
    Pause();
    SetResultCode(kOutputDone);
    m_Job.step = BuildStep::Idle;
}

std::string CMusicData::CurrentTrackPath() const {
    char* stored = nullptr;
    if (!CSongbase::GetTrackFullPath(m_Job.list, m_Job.track, &stored) || !stored) return {};
    return std::string(platform::fieldText(stored, sizeof Songbase_Track::path));
}

bool CMusicData::SourceUnchanged() {
    const std::string path = CurrentTrackPath();
    if (m_Stamps.Unchanged(path)) return true;
    m_Job.fault = {path, 0, true};
    m_Report.AddTrackLine(m_Job.list + 1, m_Job.track + 1, path,
                          MusicCheckReport::ReasonText(MusicCheckReport::Reason::ChangedSinceCheck));
    StopJob(kOutputFailed);
    return false;
}

void CMusicData::NoteLostAnalysis(bool decodeFailed, int detectCode) {
    m_Job.lost.push_back({CurrentTrackPath(), decodeFailed, detectCode});
}

int CMusicData::DiscardOutput() {
    if (!m_Job.createdFolder) return 0;
    m_Job.createdFolder = false;
    return CFileaid::DeleteDirectory(m_Job.avmtrFolder.c_str());
}
