#pragma once
// The music document: the program's owner of the music transfer list for the whole run. It wraps
// the Songbase store with the rules and messages the user sees (limits, the default playlist
// name, property editing, the edit data file), checks music files into a report, and runs the
// build job that turns the list into the unit's "AVMTR" folder, optionally decoding and analysing
// the tracks first on worker threads, several at once. Touched only from the UI thread; one object per process
// (the store it wraps is process-wide).
#include <music/MusicCheckReport.h>
#include <music/MusicFileStamps.h>
#include <music/MusicProperties.h>
#include <music/MusicQuestion.h>
#include <music/MusicAnalysisPool.h>

#include <mood/MoodCache.h>
#include <mood/MoodResult.h>
#include <platform/MessageNumbers.h>
#include <songbase/Records.h>
#include <transfer/TransferData.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mood {
class MoodDetector;
}

class CMusicData : public CTransferData {
public:
    // Result codes of the music document (codes 0-8 are the base's).
    enum : int {
        kTrackNotFound = 9,
        kPlayListNotFound = 10,
        kTooManyTracks = 11,
        kTooManyPlayLists = 12,
        kNotPlayable = 13,
        kEmptyPlayList = 14,
        kNoPlayList = 15,
        kDetectFailed = 16,
        kNoMusicFileName = 17,
        kBadFileName = 18,
        kDuroSetFailed = 19,
        kDuroFlagFailed = 20,
        kOutputDone = 21,      // the build job's success
        kOutputFailed = 22,
        kTrackAddFailed = 23,
        kEmptyPlayListRemoved = 24,
        kMusicFileMissing = 25,
        kWorkFileMissing = 26,
        kBadPath = 27,
        kPlayListAddFailed = 28,
    };
    // The build job's steps; each value is the job's step number (see JobStepNumber()).
    enum class BuildStep : int {
        Start = 0,         // check the list, announce the range, make the AVMTR folder
        Idle = 1,          // ended, or never prepared: JobStep() answers 0
        Finish = 2,        // full bar, pause, success
        NextPlayList = 3,  // detection phase: the next playlist, or on to the file phase
        NextTrack = 4,
        BeginTrack = 5,   // start decoding, unless the track is analysed already
        ClearResult = 6,  // no detection: forget an earlier mood result
        WaitDecode = 7,
        WaitStop = 8,      // cancelled while decoding: wait for the decoder to stop
        AfterDecode = 9,   // start detecting, or ask whether to go on after a failed decode
        StoreResult = 10,  // wait for the detector, keep its result
        TrackDone = 11,
        PlayListDone = 12,
        NextListIndex = 13,
        DetectionDone = 14,  // full detection bar, pause
        WriteMaster = 15,    // file phase: AVMTR.PPD
        WritePlayList = 16,  // PLINFOnnn.PPD
        WriteTrack = 17,     // TRACKnnn_nn.PPD
        NextFilePlayList = 18,
        NextFileTrack = 19,
        FileTrackDone = 20,
        FilePlayListDone = 21,
        NextFileListIndex = 22,
        FilesDone = 23,
    };
    static constexpr int kLastStep = static_cast<int>(BuildStep::FilesDone);

    // Results of the list operations that answer 0 or an HRESULT.
    static constexpr int kEAbort = static_cast<int>(0x80004004u);  // a limit was reached
    static constexpr int kEFail = static_cast<int>(0x80004005u);

    // Messages sent to the progress window by the build job.
    static constexpr unsigned kMsgRange = platform::msg::kBuildRange;
    static constexpr unsigned kMsgPosition = platform::msg::kBuildPosition;
    static constexpr unsigned kMsgDecodeProgress = platform::msg::kDecodeProgress;
    static constexpr unsigned kMsgDetectProgress = platform::msg::kDetectProgress;
    static constexpr unsigned kMsgFileProgress = platform::msg::kFileProgress;

    static constexpr const char* kDefaultPlayListName = "New Album";
    static constexpr const char* kDecodeFailedQuestion =
        "デコードに失敗しました。処理を続けますか？";
    static constexpr std::size_t kMaxAddPathBytes = 250;
    // The pause after the detection phase and after the last file, so the user sees the bar.
    static constexpr std::chrono::milliseconds kJobPause{300};

    CMusicData();
    ~CMusicData() override;

    // --- Edit data file: clear the modified flag, then read / write. Codes 2 / 8 on failure. ---
    bool Load(const std::string& path) override;
    bool Save(const std::string& path) override;
    bool IsModified() const { return m_Modified; }
    void SetModified(bool modified) { m_Modified = modified; }

    // --- The transfer list. Lists and tracks are 0-based; track -1 means the playlist. ---
    // Appends a playlist titled `name` (CP932, null for "New Album", cut at 32 bytes). 0 or
    // kEAbort (code 12: store full; code 10: its information cannot be read).
    int NewPlayList(const char* name);
    // Appends the music file as the playlist's last track after checking it. 0 on success;
    // kEAbort for a bad list (10) or a full playlist (11); kEFail with a report line otherwise.
    int AddFile(int list, const std::string& path);
    // Deletes a playlist (track -1) or a track. 1 / 0 (codes 10, 9).
    int Delete(int list, int track);
    int SwapPlayLists(int a, int b);
    int SwapTracks(int list, int a, int b);
    // Sorts the tracks from `first` on by their tag track number (untagged tracks first), with
    // the swaps of SwapTracks. 1 / 0 (code 10).
    int SortByTagTrackNo(int list, int first);
    // 1 / 0 (codes 10, 9).
    int GetProperties(int list, int track, MusicProperties* out);
    int SetProperties(int list, int track, const MusicProperties& in);
    // Whole records for copy and paste. 1 / 0 (codes 10, 9).
    int CopyOutTrack(int list, int track, Songbase_Track* out);
    int CopyOutPlayList(int list, Songbase_List* out);
    // Inserts at a position 0..count. 0, or kEAbort with code 9/10, 11/12 or 23/28.
    int InsertTrack(int list, int track, const Songbase_Track& record);
    int InsertPlayList(int list, const Songbase_List& record);
    // Destroys every playlist, last first. 1, or 0 at the first failure.
    int ClearAll();
    // A release year: at most 4 characters, 1000 to 9999.
    static bool ReleaseYearCheck(std::string_view text);

    // --- Space ---
    // Unit files plus one decoded WAV file: what the work folder needs.
    std::uint64_t RequiredBytes() const;
    // The unit files rounded to the space they take on the drive holding `driveRoot`.
    std::uint64_t MediaBytes(const std::string& driveRoot) const;
    // Copies every plain file of sourceFolder/AVMTR to destFolder/AVMTR (created), then starts
    // the base copier. False with code 26 when the source holds no file.
    bool CopyToMedia(const std::string& sourceFolder, const std::string& destFolder,
                     platform::MessageTarget* progress, platform::Event* cancel) override;

    // --- Check and report ---
    // Empties the report to its header line and sets code 0.
    void ClearReport();
    // 1 when the file can be played; 0 with a report line.
    int CheckFile(const std::string& path);
    int CheckFile(int list, int track);
    // Clears the report and checks the whole list: 1, or 0 with code 15, 14 or 25.
    int TransferCheck();
    std::string ReportText() const { return m_Report.Text(); }
    // Notes an empty playlist the view removed (title as the view shows it).
    void NoteRemovedPlayList(std::string_view title);

    // --- Build job ---
    // What ended a failed job, beyond its result code: the file or folder it concerns and the
    // system's reason (0 when there is none), or a source that changed after its check.
    struct JobFault {
        std::string path;
        int error = 0;
        bool sourceChanged = false;
    };
    // A track the job transferred without its mood analysis because the analysis was lost: the
    // decode failed (and the answer was to go on), or the detector could not read the decoded
    // file. Tracks too short to analyse are not counted.
    struct LostAnalysis {
        std::string path;
        bool decodeFailed = false;
        int detectCode = 0;
    };

    // Prepares a job that writes destinationFolder/AVMTR/ and decodes into a temporary file of
    // temporaryFolder. `progress`, `cancel` and `question` may be null (no question: go on).
    void PrepareJob(const std::string& destinationFolder, bool withDetection,
                    platform::MessageTarget* progress, platform::Event* cancel,
                    const std::string& temporaryFolder, MusicQuestion* question = nullptr);
    // One step: 1 while work remains, 0 when finished (see JobSucceeded()).
    int JobStep();
    bool JobSucceeded() const { return ResultCode() == kOutputDone; }
    // True once the job writes the unit files (the detection phase is over).
    bool InFilePhase() const { return m_Job.step > BuildStep::DetectionDone; }
    int JobStepNumber() const { return static_cast<int>(m_Job.step); }
    const std::string& AvmtrFolder() const { return m_Job.avmtrFolder; }
    // The temporary WAV file of the track being decoded or analysed (empty before the first).
    const std::string& WavPath() const { return m_Job.wavPath; }
    const JobFault& LastJobFault() const { return m_Job.fault; }
    const std::vector<LostAnalysis>& LostAnalyses() const { return m_Job.lost; }
    // Removes the AVMTR folder with its files, but only when this job created it. 1 / 0.
    int DiscardOutput();
    // The pause of the Finish and DetectionDone steps (kJobPause unless changed, e.g. by tests).
    void SetJobPause(std::chrono::milliseconds pause) { m_JobPause = pause; }
    // A detector for the first analysis worker to use; the others (and the first, without one)
    // have their own.
    void SetDetector(mood::MoodDetector* detector) { m_Detector = detector; }
    // How many tracks a job decodes and analyses at once; 0 (the default) means one per core.
    // Taken by the next PrepareJob.
    void SetAnalysisJobs(int jobs) { m_AnalysisJobs = std::max(0, jobs); }
    int AnalysisJobs() const;
    // Keeps and finds mood results in the mood result cache in `folder` (empty: no cache), so
    // that a music file analysed once is not decoded again.
    void UseMoodCache(const std::string& folder);

private:
    struct JobState {
        BuildStep step = BuildStep::Idle;
        bool withDetection = false;
        platform::MessageTarget* progress = nullptr;
        platform::Event* cancel = nullptr;
        MusicQuestion* question = nullptr;
        std::string avmtrFolder;
        std::string tempFolder;
        std::string wavPath;
        JobFault fault;
        std::vector<LostAnalysis> lost;
        bool createdFolder = false;
        int list = 0;
        int track = 0;
        int done = 0;
        int total = 0;
        // The next track to hand to the analysis workers.
        int feedList = 0;
        int feedTrack = 0;
        // The current track's outcome, once its worker is done.
        std::optional<MusicAnalysisPool::Outcome> outcome;
    };

    // The document's own text of a code from kTrackNotFound on.
    static const char* MusicText(int code);
    int Fail(int code);
    Songbase_Track* TrackOrCode(int list, int track);
    static bool MatchesRecord(int list, int track, const MusicFileStamps::Stamp& stamp);
    bool ValidList(int list);
    int AddCheckedFile(int list, const std::string& path);
    void ConvertTrackTexts(int list, int track);
    void FillTrackProperties(int list, int track, MusicProperties* out);
    void FillPlayListProperties(int list, MusicProperties* out);

    // Build job steps.
    bool Cancelled() const;
    void Send(unsigned message, platform::WParam wParam, platform::LParam lParam);
    void Pause() const;
    void StopJob(int code);
    void StepStart();
    void StepNextPlayList();
    void StepNextTrack();
    void StepBeginTrack();
    void StepClearResult();
    void StepWaitDecode();
    void StepWaitStop();
    void StepAfterDecode();
    void StepStoreResult();
    void StepTrackDone();
    void StepWriteMaster();
    void StepWritePlayList();
    void StepWriteTrack();
    void StepNextFilePlayList();
    void StepNextFileTrack();
    void StepFileTrackDone();
    void StepFinish();
    void CancelJob();
    static int TrackKey(int list, int track);
    void FeedPool();
    bool CurrentTrackReached(MusicAnalysisPool::Stage stage);
    std::string CurrentTrackPath() const;
    bool SourceUnchanged();
    void NoteLostAnalysis(bool decodeFailed, int detectCode);
    int CountTracks() const;

    MusicCheckReport m_Report;
    MusicFileStamps m_Stamps;  // of the last transfer check
    bool m_Modified = false;
    JobState m_Job;
    std::chrono::milliseconds m_JobPause = kJobPause;
    mood::MoodDetector* m_Detector = nullptr;
    int m_AnalysisJobs = 0;
    std::unique_ptr<mood::MoodCache> m_MoodCache;
    // Declared last: destroyed (its workers stopped and joined) first.
    MusicAnalysisPool m_Pool;
};
