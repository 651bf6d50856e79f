// The build job: its steps, messages, files, mood results, decode failures and cancellation.
#include "MusicFixture.h"

#include <platform/Event.h>
#include <testsupport/RecordingTarget.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

namespace {

namespace fs = std::filesystem;
using testsupport::RecordingTarget;

// Answers the job's question as told and remembers what was asked.
class ScriptedQuestion : public MusicQuestion {
public:
    explicit ScriptedQuestion(bool answer) : m_answer(answer) {}
    bool AskYesNo(const std::string& text) override {
        asked.push_back(text);
        return m_answer;
    }
    std::vector<std::string> asked;

private:
    bool m_answer;
};

// Sets the cancel event once the decoder reports progress, i.e. while it runs.
class CancelOnDecode : public RecordingTarget {
public:
    explicit CancelOnDecode(platform::Event& cancel) : m_cancel(cancel) {}
    void post(unsigned message, platform::WParam w, platform::LParam l) override {
        RecordingTarget::post(message, w, l);
        if (message == CMusicData::kMsgDecodeProgress) m_cancel.set();
    }

private:
    platform::Event& m_cancel;
};

class MusicDataJobTest : public MusicFixture {
protected:
    void SetUp() override { doc.SetJobPause(std::chrono::milliseconds(0)); }

    void Prepare(bool detect, MusicQuestion* question = nullptr,
                 platform::MessageTarget* target = nullptr) {
        doc.PrepareJob(scratch.folder(), detect, target ? target : &progress, &cancel,
                       scratch.folder(), question);
    }
    // Steps until the job reports completion, yielding to the worker as the UI thread does.
    void RunJob() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (doc.JobStep()) {
            std::this_thread::yield();
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "the job does not end";
                return;
            }
        }
    }
    std::vector<std::string> Written() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(scratch.path() / "AVMTR")) {
            names.push_back(e.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // Gives a track a made-up mood result.
    static void MarkAnalysed(int list, int track, std::int32_t marker) {
        AVT_Tk_DetailInfo* detail = nullptr;
        AVT_Tk_DistinctInfo* info = nullptr;
        ASSERT_TRUE(CSongbase::GetTrackInfo(list, track, &detail));
        ASSERT_TRUE(CSongbase::GetDURoInfo(list, track, &info));
        detail->duro = 1;
        info->mood[0] = marker;
        info->status = kMoodStatusSuccess;
    }
    static AVT_Tk_DistinctInfo Distinct(int list, int track) {
        AVT_Tk_DistinctInfo* info = nullptr;
        EXPECT_TRUE(CSongbase::GetDURoInfo(list, track, &info));
        return *info;
    }
    static int DuroFlag(int list, int track) {
        AVT_Tk_DetailInfo* detail = nullptr;
        EXPECT_TRUE(CSongbase::GetTrackInfo(list, track, &detail));
        return detail->duro;
    }

    RecordingTarget progress;
    platform::Event cancel;
};

TEST_F(MusicDataJobTest, TwoPlayListsGiveTheirFilesInOrder) {
    PlayListOf({Mp3(1), Mp3(2), Mp3(3)});
    PlayListOf({Mp3(4), Mp3(5)});
    Prepare(false);
    std::vector<std::string> order;
    const fs::path avmtr = scratch.path() / "AVMTR";
    while (doc.JobStep()) {
        if (!fs::exists(avmtr)) continue;
        for (const auto& e : fs::directory_iterator(avmtr)) {
            const std::string name = e.path().filename().string();
            if (std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
        }
    }
    EXPECT_TRUE(doc.JobSucceeded());
    EXPECT_EQ(doc.ErrorText(), "音楽転送：ファイル出力終了");
    EXPECT_EQ(order, (std::vector<std::string>{"AVMTR.PPD", "PLINFO001.PPD", "TRACK001_01.PPD",
                                               "TRACK001_02.PPD", "TRACK001_03.PPD",
                                               "PLINFO002.PPD", "TRACK002_01.PPD",
                                               "TRACK002_02.PPD"}));
    EXPECT_EQ(doc.TransferFileNames(),
              (std::vector<std::string>{"TRACK001_01.PPD", "TRACK001_02.PPD", "TRACK001_03.PPD",
                                        "TRACK002_01.PPD", "TRACK002_02.PPD"}));
    // File progress: the phase change, after AVMTR.PPD, after each track file, at the end.
    std::vector<std::pair<platform::WParam, platform::LParam>> files;
    for (const auto& m : progress.messages(CMusicData::kMsgFileProgress)) {
        EXPECT_TRUE(m.sent);
        files.emplace_back(m.wParam, m.lParam);
    }
    EXPECT_EQ(files, (std::vector<std::pair<platform::WParam, platform::LParam>>{
                         {1, 1}, {5, 0}, {5, 1}, {5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 5}}));
}

TEST_F(MusicDataJobTest, WithoutDetectionEarlierResultsAreCleared) {
    PlayListOf({Mp3(1), Mp3(2)});
    MarkAnalysed(0, 1, 77);
    Prepare(false);
    RunJob();
    ASSERT_TRUE(doc.JobSucceeded());
    const auto range = progress.messages(CMusicData::kMsgRange);
    ASSERT_EQ(range.size(), 1u);
    EXPECT_EQ(range[0].wParam, 1u);
    EXPECT_TRUE(progress.messages(CMusicData::kMsgPosition).empty());
    EXPECT_TRUE(progress.messages(CMusicData::kMsgDecodeProgress).empty());
    EXPECT_EQ(DuroFlag(0, 1), 0);
    AVT_Tk_DistinctInfo cleared{};
    cleared.type = AVT_TYPE_TRACK_DISTINCT;
    cleared.size = sizeof cleared;
    const AVT_Tk_DistinctInfo after = Distinct(0, 1);
    EXPECT_EQ(std::memcmp(&after, &cleared, sizeof cleared), 0);
}

TEST_F(MusicDataJobTest, AnalysedTracksAreNotDecodedAgain) {
    PlayListOf({Mp3(1), Mp3(2)});
    MarkAnalysed(0, 0, 11);
    MarkAnalysed(0, 1, 22);
    Prepare(true);
    RunJob();
    ASSERT_TRUE(doc.JobSucceeded());
    EXPECT_TRUE(progress.messages(CMusicData::kMsgDecodeProgress).empty());
    EXPECT_EQ(Distinct(0, 0).mood[0], 11);
    EXPECT_EQ(Distinct(0, 1).mood[0], 22);
    EXPECT_EQ(DuroFlag(0, 1), 1);
    // Positions before each track; none for the skipped detections.
    const auto positions = progress.messages(CMusicData::kMsgPosition);
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_EQ(positions[0].wParam, 0u);
    EXPECT_EQ(positions[1].wParam, 2u);
}

TEST_F(MusicDataJobTest, DetectionRunsOnEveryTrackAndLeavesNoWavFile) {
    PlayListOf({Mp3(1), Mp3(2)});
    Prepare(true);
    RunJob();
    ASSERT_TRUE(doc.JobSucceeded());
    EXPECT_EQ(progress.messages(CMusicData::kMsgRange)[0].wParam, 4u);
    std::vector<platform::WParam> positions;
    for (const auto& m : progress.messages(CMusicData::kMsgPosition)) positions.push_back(m.wParam);
    EXPECT_EQ(positions, (std::vector<platform::WParam>{0, 1, 2, 3}));
    EXPECT_FALSE(progress.messages(CMusicData::kMsgDecodeProgress).empty());
    // One-second tracks are too short to analyse: transferred without a mood result, which
    // is no lost analysis.
    EXPECT_EQ(DuroFlag(0, 0), 0);
    EXPECT_TRUE(doc.LostAnalyses().empty());
    EXPECT_FALSE(doc.WavPath().empty());
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(MusicDataJobTest, ASourceChangedAfterItsCheckFailsTheBuildNamingIt) {
    const std::string early = OwnCopy(Mp3(1), "early.mp3");
    const std::string late = OwnCopy(Mp3(2), "late.mp3");
    PlayListOf({early, late});
    // Grown after it was added, still playable: its record no longer describes it.
    testsupport::writeFile(early, testsupport::readFile(early) + std::string(4096, '\0'));
    EXPECT_EQ(doc.TransferCheck(), 0);
    EXPECT_NE(doc.ReportText().find(early + "\tチェック後に変更されたファイル\r"), std::string::npos);

    ASSERT_EQ(doc.Delete(0, 0), 1);
    Prepare(false);
    ASSERT_EQ(doc.JobStep(), 1);  // checked; now it changes before it is copied
    testsupport::writeFile(late, testsupport::readFile(late).substr(0, 1000));
    RunJob();
    EXPECT_EQ(doc.ResultCode(), CMusicData::kOutputFailed);
    EXPECT_TRUE(doc.LastJobFault().sourceChanged);
    EXPECT_EQ(doc.LastJobFault().path, late);
    EXPECT_FALSE(fs::exists(scratch.path() / "AVMTR" / "TRACK001_01.PPD"));
}

TEST_F(MusicDataJobTest, AnExistingAvmtrFolderIsNeitherBuiltIntoNorRemoved) {
    PlayListOf({Mp3(1)});
    fs::create_directory(scratch.path() / "AVMTR");
    testsupport::writeFile(scratch.file("AVMTR/other.txt"), "another build's");
    Prepare(false);
    RunJob();
    EXPECT_EQ(doc.ResultCode(), CMusicData::kOutputFailed);
    EXPECT_EQ(doc.LastJobFault().error, EEXIST);
    EXPECT_EQ(doc.DiscardOutput(), 0);
    EXPECT_EQ(Written(), std::vector<std::string>{"other.txt"});
}

TEST_F(MusicDataJobTest, EmptyListAndEmptyPlayListStopBeforeAnyFile) {
    Prepare(true);
    EXPECT_EQ(doc.JobStep(), 1);
    EXPECT_EQ(doc.JobStep(), 0);
    EXPECT_EQ(doc.ResultCode(), CMusicData::kNoPlayList);

    PlayListOf({Mp3()});
    PlayListOf({});
    Prepare(true);
    RunJob();
    EXPECT_EQ(doc.ResultCode(), CMusicData::kEmptyPlayList);
    EXPECT_FALSE(fs::exists(scratch.path() / "AVMTR"));
    EXPECT_TRUE(progress.messages(CMusicData::kMsgRange).empty());
}

TEST_F(MusicDataJobTest, CancelDuringDecodingEndsWithCode4AfterTheWorker) {
    const std::string longer =
        testsupport::toneFile("music_20s.mp3", 44100, 2, "libmp3lame", 128000, 20);
    PlayListOf({longer, Mp3()});
    CancelOnDecode target(cancel);
    Prepare(true, nullptr, &target);
    RunJob();
    EXPECT_EQ(doc.ResultCode(), CTransferData::kCancelled);
    EXPECT_EQ(doc.ErrorText(), "");
    EXPECT_FALSE(fs::exists(doc.WavPath()));
    // Stopped while decoding: detection never began.
    const auto positions = target.messages(CMusicData::kMsgPosition);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_EQ(positions[0].wParam, 0u);
    EXPECT_FALSE(fs::exists(scratch.path() / "AVMTR" / "AVMTR.PPD"));
    EXPECT_EQ(doc.DiscardOutput(), 1);
    EXPECT_FALSE(fs::exists(scratch.path() / "AVMTR"));
}

struct DecodeFailure {
    const char* name;
    bool answer;
    int code;
};

class DecodeFailureTest : public MusicDataJobTest,
                          public ::testing::WithParamInterface<DecodeFailure> {};

TEST_P(DecodeFailureTest, AFailedDecodeAsksWhetherToGoOn) {
    const std::string spoilt = OwnCopy(Mp3(), "spoilt.mp3");
    PlayListOf({spoilt});
    ScriptedQuestion question(GetParam().answer);
    Prepare(true, &question);
    ASSERT_EQ(doc.JobStep(), 1);  // the check passed; now the file goes bad
    // Same size and time, so only the decoder can tell.
    const auto size = fs::file_size(spoilt);
    const auto time = fs::last_write_time(spoilt);
    testsupport::writeFile(spoilt, std::string(size, '\0'));
    fs::last_write_time(spoilt, time);
    RunJob();
    EXPECT_EQ(question.asked,
              std::vector<std::string>{"デコードに失敗しました。処理を続けますか？"});
    EXPECT_EQ(doc.ResultCode(), GetParam().code);
    EXPECT_FALSE(fs::exists(doc.WavPath()));
    // Going on builds the track without its analysis, and says so.
    ASSERT_EQ(doc.LostAnalyses().size(), GetParam().answer ? 1u : 0u);
    if (GetParam().answer) {
        EXPECT_EQ(doc.LostAnalyses()[0].path, spoilt);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, DecodeFailureTest,
                         ::testing::Values(DecodeFailure{"Yes", true, CMusicData::kOutputDone},
                                           DecodeFailure{"No", false, CTransferData::kCancelled}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(MusicDataJobTest, DestroyingTheDocumentDuringADecodeJoinsTheWorker) {
    const std::string longer =
        testsupport::toneFile("music_20s.mp3", 44100, 2, "libmp3lame", 128000, 20);
    auto other = std::make_unique<CMusicData>();  // the store is shared: start from this one
    other->SetJobPause(std::chrono::milliseconds(0));
    ASSERT_EQ(other->NewPlayList(nullptr), 0);
    ASSERT_EQ(other->AddFile(0, longer), 0);
    other->PrepareJob(scratch.folder(), true, &progress, &cancel, scratch.folder());
    const int waitDecode = static_cast<int>(CMusicData::BuildStep::WaitDecode);
    while (other->JobStepNumber() != waitDecode) ASSERT_EQ(other->JobStep(), 1);
    const std::string wav = other->WavPath();
    other.reset();
    EXPECT_FALSE(fs::exists(wav));
}

TEST_F(MusicDataJobTest, CopyToMediaCopiesTheBuiltFolder) {
    PlayListOf({Mp3(1)});
    Prepare(false);
    RunJob();
    ASSERT_TRUE(doc.JobSucceeded());
    testsupport::ScratchDir card;
    doc.SetCompletionPause(std::chrono::milliseconds(0));
    ASSERT_TRUE(doc.CopyToMedia(scratch.folder(), card.folder(), nullptr, nullptr));
    while (doc.Step()) {
    }
    ASSERT_TRUE(doc.Succeeded());
    for (const std::string& name : Written()) {
        EXPECT_EQ(testsupport::readFile(card.file("AVMTR/" + name)),
                  testsupport::readFile(scratch.file("AVMTR/" + name)))
            << name;
    }

    testsupport::ScratchDir empty;
    EXPECT_FALSE(doc.CopyToMedia(empty.folder(), card.folder(), nullptr, nullptr));
    EXPECT_EQ(doc.ErrorText(), "作業フォルダ内のファイルが見つかりません。");
}

}  // namespace
