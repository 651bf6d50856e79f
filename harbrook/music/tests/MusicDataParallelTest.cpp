// The build job with several analysis workers: the same unit files as one worker, a prompt cancel,
// and results from the mood result cache.
#include "MusicFixture.h"

#include <platform/Event.h>
#include <testsupport/RecordingTarget.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testsupport::RecordingTarget;

// The unit files' bytes past their object header, whose GUID every write makes afresh.
constexpr std::size_t kObjectEnd = sizeof(AVT_FileHeader) + sizeof(AVT_ObjectHeader);

// Sets the cancel event at the first detection percentage: then every worker is busy.
class CancelOnDetect : public RecordingTarget {
public:
    explicit CancelOnDetect(platform::Event& cancel) : m_cancel(cancel) {}
    void post(unsigned message, platform::WParam w, platform::LParam l) override {
        RecordingTarget::post(message, w, l);
        if (message == CMusicData::kMsgDetectProgress && !m_cancel.isSet()) {
            cancelledAt = Clock::now();
            m_cancel.set();
        }
    }
    Clock::time_point cancelledAt;

private:
    platform::Event& m_cancel;
};

class MusicDataParallelTest : public MusicFixture {
protected:
    void SetUp() override { doc.SetJobPause(std::chrono::milliseconds(0)); }

    // A track long enough to be analysed, a tone of its own.
    static std::string Tone(int hz) {
        return testsupport::ffmpegFile(
            "music_tone" + std::to_string(hz) + ".mp3",
            "-f lavfi -i sine=frequency=" + std::to_string(hz) +
                ":duration=62 -ar 22050 -ac 1 -c:a libmp3lame -b:a 32k");
    }
    // Builds into `folder` with `jobs` workers; the progress messages go to `target`.
    void Build(const std::string& folder, int jobs, platform::MessageTarget& target) {
        fs::create_directories(folder);
        doc.SetAnalysisJobs(jobs);
        doc.PrepareJob(folder, true, &target, &cancel, scratch.folder());
        const auto deadline = Clock::now() + std::chrono::seconds(120);
        while (doc.JobStep()) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            ASSERT_LT(Clock::now(), deadline) << "the job does not end";
        }
    }
    static std::string Body(const std::string& file) {
        const std::string bytes = testsupport::readFile(file);
        return bytes.size() > kObjectEnd ? bytes.substr(kObjectEnd) : std::string();
    }

    platform::Event cancel;
};

TEST_F(MusicDataParallelTest, ParallelAndSerialBuildsOfOneListGiveTheSameUnitFiles) {
    PlayListOf({Tone(220), Tone(330)});
    PlayListOf({Tone(440)});
    const std::string list = scratch.file("list.dat");
    ASSERT_TRUE(doc.Save(list));
    RecordingTarget serial, parallel;
    Build(scratch.file("one"), 1, serial);
    ASSERT_TRUE(doc.JobSucceeded());
    ASSERT_TRUE(doc.Load(list));
    Build(scratch.file("three"), 3, parallel);
    ASSERT_TRUE(doc.JobSucceeded());

    for (const char* name : {"TRACK001_01.PPD", "TRACK001_02.PPD", "TRACK002_01.PPD",
                             "PLINFO001.PPD", "PLINFO002.PPD"}) {
        const std::string one = Body(scratch.file(std::string("one/AVMTR/") + name));
        EXPECT_FALSE(one.empty()) << name;
        EXPECT_EQ(one, Body(scratch.file(std::string("three/AVMTR/") + name))) << name;
    }
    AVT_Tk_DetailInfo* detail = nullptr;
    ASSERT_TRUE(CSongbase::GetTrackInfo(1, 0, &detail));
    EXPECT_EQ(detail->duro, 1);
    // The positions keep their order: each track decoded, then detected, one after the other.
    std::vector<platform::WParam> positions;
    for (const auto& m : parallel.messages(CMusicData::kMsgPosition)) positions.push_back(m.wParam);
    EXPECT_EQ(positions, (std::vector<platform::WParam>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(MusicDataParallelTest, CancelStopsEveryWorkerAtOnceAndLeavesNoTemporaryFile) {
    PlayListOf({Tone(220), Tone(330), Tone(440)});
    CancelOnDetect target(cancel);
    Build(scratch.file("out"), 3, target);
    const auto stopped = Clock::now();
    EXPECT_EQ(doc.ResultCode(), CTransferData::kCancelled);
    // Well within the half second a user may wait, with room for a loaded machine.
    EXPECT_LT(stopped - target.cancelledAt, std::chrono::seconds(2));
    EXPECT_EQ(TempFiles(), 0);
    EXPECT_EQ(doc.DiscardOutput(), 1);
}

TEST_F(MusicDataParallelTest, ACachedResultIsTheFreshOneWithoutDecoding) {
    doc.UseMoodCache(scratch.file("cache"));
    PlayListOf({Tone(330)});
    const std::string list = scratch.file("list.dat");
    ASSERT_TRUE(doc.Save(list));
    RecordingTarget fresh, cached;
    Build(scratch.file("fresh"), 2, fresh);
    ASSERT_TRUE(doc.JobSucceeded());
    ASSERT_FALSE(fresh.messages(CMusicData::kMsgDecodeProgress).empty());
    ASSERT_TRUE(doc.Load(list));  // the track without its result again
    Build(scratch.file("cached"), 2, cached);
    ASSERT_TRUE(doc.JobSucceeded());
    EXPECT_TRUE(cached.messages(CMusicData::kMsgDecodeProgress).empty());
    EXPECT_EQ(Body(scratch.file("fresh/AVMTR/TRACK001_01.PPD")),
              Body(scratch.file("cached/AVMTR/TRACK001_01.PPD")));
}

}  // namespace
