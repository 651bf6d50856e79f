#include "TestWave.h"

#include <mood/MoodDetector.h>

#include <platform/Event.h>
#include <testsupport/RecordingTarget.h>
#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

using mood::MoodResult;
using moodtest::WaveLayout;
using moodtest::WriteWave;

constexpr unsigned kProgress = mood::kDetectProgressMessage;
constexpr unsigned kCompletion = 2000;

class MoodDetectorTest : public ::testing::Test {
protected:
    void SetUp() { std::memset(&m_result, 0x5A, sizeof m_result); }

    std::string Write(const std::string& name, const WaveLayout& layout, double seconds,
                      const moodtest::Signal& signal = moodtest::Tone(440, 11025)) {
        const std::string path = m_dir.file(name);
        WriteWave(path, layout, seconds, signal);
        return path;
    }

    int Detect(const std::string& path, unsigned completion = kCompletion,
               platform::Event* cancel = nullptr) {
        return m_detector->Detect(path.c_str(), &m_result, &m_status, &m_target, kProgress,
                                  completion, cancel);
    }

    bool ResultUntouched() const {
        MoodResult sentinel;
        std::memset(&sentinel, 0x5A, sizeof sentinel);
        return std::memcmp(&sentinel, &m_result, sizeof m_result) == 0;
    }
    bool ResultCleared() const {
        for (int w : m_result.words)
            if (w != 0) return false;
        return true;
    }
    std::vector<testsupport::RecordedMessage> Completions() const {
        return m_target.messages(kCompletion);
    }

    testsupport::ScratchDir m_dir;
    std::unique_ptr<mood::MoodDetector> m_detector = std::make_unique<mood::MoodDetector>();
    testsupport::RecordingTarget m_target;
    MoodResult m_result;
    std::int32_t m_status = -7;
};

TEST_F(MoodDetectorTest, MissingArgumentsReturnFourAndPostNothing) {
    const char* path = "x.wav";
    EXPECT_EQ(m_detector->Detect(nullptr, &m_result, &m_status, &m_target, 1, 2, nullptr), 4);
    EXPECT_EQ(m_detector->Detect(path, nullptr, &m_status, &m_target, 1, 2, nullptr), 4);
    EXPECT_EQ(m_detector->Detect(path, &m_result, nullptr, &m_target, 1, 2, nullptr), 4);
    EXPECT_TRUE(m_target.messages().empty());
}

struct RefusedCase {
    const char* name;
    WaveLayout layout;
    double seconds;
    int code;
};

class MoodDetectorRefusalTest : public MoodDetectorTest,
                                public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(MoodDetectorRefusalTest, EndsWithItsCodeAndNoStatus) {
    const RefusedCase& c = GetParam();
    const std::string path = c.seconds > 0 ? Write("in.wav", c.layout, c.seconds)
                                           : m_dir.file("absent.wav");
    EXPECT_EQ(Detect(path), c.code);
    EXPECT_EQ(m_status, -7);
    // A short track has its result cleared; header failures leave it untouched.
    EXPECT_TRUE(c.code == 3 ? ResultCleared() : ResultUntouched());
    ASSERT_EQ(Completions().size(), 1u);
    EXPECT_EQ(Completions()[0].lParam, c.code);
    EXPECT_TRUE(m_target.messages(kProgress).empty());
}

WaveLayout Layout(int rate, bool list = false) {
    WaveLayout l;
    l.sampleRate = rate;
    l.listChunk = list;
    return l;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MoodDetectorRefusalTest,
    ::testing::Values(RefusedCase{"MissingFile", Layout(11025), 0, 1},
                      RefusedCase{"ListChunk", Layout(11025, true), 1, 2},
                      RefusedCase{"UnsupportedRate", Layout(96000), 1, 2},
                      RefusedCase{"Shorter60Seconds", Layout(11025), 59.9, 3}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(MoodDetectorTest, SixtySecondsWithFactChunkRunAndReportProgress) {
    WaveLayout layout;
    layout.factChunk = true;
    layout.formatChunkSize = 18;
    ASSERT_EQ(Detect(Write("in.wav", layout, 60)), 0);
    EXPECT_EQ(m_detector->FrameCount(), 322);  // truncate(60 / 0.1857596)
    EXPECT_EQ(m_detector->RecordWords(), 322 * 6);
    // One steady tone is one chord: the chord analysis fails, and says so in the status.
    EXPECT_EQ(m_status, 3332);
    for (int i = 0; i < kMoodWordCount; ++i) EXPECT_EQ(m_result.words[i], i == 17 ? 1 : 0);

    const auto progress = m_target.messages(kProgress);
    ASSERT_FALSE(progress.empty());
    long last = 0;
    for (const auto& m : progress) {
        EXPECT_EQ(m.lParam % 10, 0);
        EXPECT_GE(m.lParam, last);
        last = m.lParam;
    }
    EXPECT_EQ(last, 100);
    // Every frame whose percentage is a multiple of 10 posts it: 0 % for frames 0 ... 31.
    EXPECT_EQ(m_target.messages(kProgress).front().lParam, 0);
    ASSERT_EQ(Completions().size(), 1u);
    EXPECT_EQ(Completions()[0].lParam, 0);
    EXPECT_EQ(m_target.messages().back().message, kCompletion);
}

TEST_F(MoodDetectorTest, TenMinutesAreAnalysedOverTheirFirst1937Frames) {
    WaveLayout layout;
    layout.sampleRate = 8000;
    layout.bitsPerSample = 8;
    ASSERT_EQ(Detect(Write("long.wav", layout, 600, moodtest::Tone(220, 8000))), 0);
    EXPECT_EQ(m_detector->FrameCount(), 1937);
    EXPECT_EQ(m_detector->RecordWords(), 1937 * 6);
}

TEST_F(MoodDetectorTest, DurationIsThatOfTheSamplesPresent) {
    WaveLayout piped;
    piped.dataSizeOverride = 0xFFFFFFFF;  // a WAV written to a pipe
    ASSERT_EQ(Detect(Write("piped.wav", piped, 90)), 0);
    EXPECT_EQ(m_detector->FrameCount(), 484);  // 90 s, not the 1937 frames of 0xFFFFFFFF bytes
    WaveLayout cut;
    cut.dataSizeOverride = 120 * 11025 * 2;  // claims two minutes, holds 30 s
    EXPECT_EQ(Detect(Write("cut.wav", cut, 30)), 3);
}

TEST_F(MoodDetectorTest, CancelStopsARunThatPostsACompletion) {
    platform::Event cancel;
    cancel.set();
    EXPECT_EQ(Detect(Write("in.wav", WaveLayout{}, 61), kCompletion, &cancel), 5);
    EXPECT_EQ(m_status, -7);
    EXPECT_TRUE(ResultCleared());
    ASSERT_EQ(Completions().size(), 1u);
    EXPECT_EQ(Completions()[0].lParam, 5);
}

TEST_F(MoodDetectorTest, WithoutCompletionMessageCancelIsLeftToTheCaller) {
    // The build job passes completion message 0 and waits for the run to end.
    platform::Event cancel(false);  // auto-reset: the detector must not consume it
    cancel.set();
    EXPECT_EQ(Detect(Write("in.wav", WaveLayout{}, 61), 0, &cancel), 0);
    EXPECT_EQ(m_status, 3332);
    EXPECT_TRUE(cancel.isSet());
    for (const auto& m : m_target.messages()) EXPECT_EQ(m.message, kProgress);
}

struct KeyCase {
    const char* name;
    std::vector<std::vector<int>> chords;  // notes in semitones above A 110 Hz
    int root, mode;
    int bits;
};

class MoodDetectorKeyTest : public MoodDetectorTest,
                            public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MoodDetectorKeyTest, ChordProgressionGivesItsKey) {
    const KeyCase& c = GetParam();
    WaveLayout layout;
    layout.bitsPerSample = c.bits;
    const std::string path =
        Write("song.wav", layout, 90, moodtest::ChordProgression(c.chords, 1.5, 11025));
    ASSERT_EQ(Detect(path), 0);
    ASSERT_EQ(m_status, 3328);
    EXPECT_EQ(m_result.words[0], 1);
    EXPECT_EQ(m_result.words[1], c.root);
    EXPECT_EQ(m_result.words[2], c.mode);
    EXPECT_GT(m_result.words[3], 0);
    EXPECT_EQ(m_result.words[16], 32767);
}

// Pitch classes count from A (0): C is 3, G is 10, E is 7.
INSTANTIATE_TEST_SUITE_P(
    Progressions, MoodDetectorKeyTest,
    ::testing::Values(
        KeyCase{"CMajor_I_IV_V_I", {{15, 19, 22}, {20, 24, 27}, {22, 26, 29}, {15, 19, 22}}, 3, 0,
                16},
        KeyCase{"AMajor_I_IV_V_I", {{12, 16, 19}, {17, 21, 24}, {19, 23, 26}, {12, 16, 19}}, 0, 0,
                16},
        KeyCase{"AMinor_i_iv_v_i", {{12, 15, 19}, {17, 20, 24}, {19, 22, 26}, {12, 15, 19}}, 0, 1,
                16},
        KeyCase{"GMajor_I_IV_V_I_8Bit",
                {{22, 26, 29}, {15, 19, 22}, {17, 21, 24}, {22, 26, 29}}, 10, 0, 8},
        KeyCase{"EMinor_i_iv_v_i", {{19, 22, 26}, {12, 15, 19}, {14, 17, 21}, {19, 22, 26}}, 7, 1,
                16}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
