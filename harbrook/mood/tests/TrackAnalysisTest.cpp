#include <mood/ChordSequence.h>
#include <mood/FrameRecord.h>
#include <mood/HighlightFinder.h>
#include <mood/Smoothing.h>
#include <mood/TrackAnalysis.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using mood::MoodResult;

struct Chord {
    int root, type;
};

// Frame records of a synthetic track, built segment by segment.
class Track {
public:
    Track& Add(int frames, Chord chord, int centre = 100, int peak = 10000, int mid = 20) {
        mood::FrameRecordFields f;
        f.gainShift = 6;
        f.midLevel = mid;
        f.lowLevel = 20;
        f.peak = peak;
        f.root0 = chord.root;
        f.type0 = chord.type;
        f.root1 = (chord.root + 3) % 12;
        f.type1 = 1;
        f.centre = centre;
        for (int i = 0; i < frames; ++i) {
            words.resize(words.size() + 6);
            mood::PackFrameRecord(f, words.data() + words.size() - 6);
        }
        return *this;
    }
    // `times` rounds of `chords`, each chord held `frames` frames.
    Track& Repeat(int times, const std::vector<Chord>& chords, int frames, int centre = 100,
                  int peak = 10000) {
        for (int t = 0; t < times; ++t)
            for (const Chord& c : chords) Add(frames, c, centre, peak);
        return *this;
    }
    int Frames() const { return static_cast<int>(words.size() / 6); }

    std::vector<std::uint16_t> words;
};

// Degrees of C major (C = pitch class 3): C, F, G, A minor.
const std::vector<Chord> kCMajorRound = {{3, 0}, {8, 0}, {10, 0}, {0, 1}};

class TrackAnalysisTest : public ::testing::Test {
protected:
    std::int32_t Analyse(const Track& track) {
        return m_analysis->Analyse(track.words.data(), static_cast<int>(track.words.size()),
                                   m_result);
    }
    int Word(int i) const { return m_result.words[i]; }

    std::unique_ptr<mood::TrackAnalysis> m_analysis = std::make_unique<mood::TrackAnalysis>();
    MoodResult m_result = {};
};

struct FailureCase {
    const char* name;
    Track track;
    std::int32_t status;
};

class TrackAnalysisFailureTest : public TrackAnalysisTest,
                                 public ::testing::WithParamInterface<FailureCase> {};

TEST_P(TrackAnalysisFailureTest, LeavesOnlyTheSectionCount) {
    EXPECT_EQ(Analyse(GetParam().track), GetParam().status);
    for (int i = 0; i < kMoodWordCount; ++i) EXPECT_EQ(Word(i), i == 17 ? 1 : 0) << i;
}

Track WithWord(Track t, int frame, int word, std::uint16_t value) {
    t.words[static_cast<std::size_t>(frame * 6 + word)] = value;
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, TrackAnalysisFailureTest,
    ::testing::Values(
        FailureCase{"162Frames", Track().Add(162, {0, 0}), 3331},
        FailureCase{"BadSync", WithWord(Track().Add(400, {0, 0}), 300, 0, 0xFFFA), 3329},
        FailureCase{"AlternativeSyncButRootOutOfRange",
                    WithWord(WithWord(Track().Add(400, {0, 0}), 5, 0, 0xFFF0), 300, 4, 0x0C00),
                    3329},
        FailureCase{"TypeOutOfRange", WithWord(Track().Add(400, {0, 0}), 7, 4, 0x7000), 3329},
        FailureCase{"OneSegment", Track().Add(400, {0, 0}), 3332},
        FailureCase{"FourSegments", Track().Repeat(1, kCMajorRound, 50), 3332},
        FailureCase{"FourteenSegments",
                    Track().Repeat(3, kCMajorRound, 15).Add(15, {3, 0}).Add(15, {8, 0}), 3332}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(TrackAnalysisTest, MissingInput) {
    EXPECT_EQ(m_analysis->Analyse(nullptr, 2000, m_result), 3333);
    std::uint16_t word = 0;
    EXPECT_EQ(m_analysis->Analyse(&word, -1, m_result), 3333);
    EXPECT_EQ(Word(17), 1);
}

TEST_F(TrackAnalysisTest, SixteenSegmentsFindKeysButNoHighlight) {
    Track track;
    track.Repeat(4, kCMajorRound, 20);
    ASSERT_EQ(Analyse(track), 3328);
    EXPECT_EQ(Word(0), 1);
    EXPECT_GT(Word(3), 0);  // key 1 weight
    EXPECT_EQ(Word(9), 16 * 300 / 320);
    EXPECT_EQ(Word(17), 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Word(18 + i), 0);
        EXPECT_EQ(Word(22 + i), 75);
        EXPECT_EQ(Word(26 + i), 0);
        EXPECT_EQ(Word(30 + i), 13);
        EXPECT_EQ(Word(34 + i), 0);
    }
}

TEST_F(TrackAnalysisTest, CadencesGiveTheirKey) {
    Track track;
    track.Repeat(12, kCMajorRound, 12);
    ASSERT_EQ(Analyse(track), 3328);
    EXPECT_EQ(Word(1), 3);  // C
    EXPECT_EQ(Word(2), 0);  // major
    // Four chords, equally long: every normalised chord weight is 100.
    EXPECT_EQ(Word(10), 400);
}

TEST_F(TrackAnalysisTest, LevelsAreScaledToTheLargestPeak) {
    Track track;
    // 10007 is a peak for which 32767 / P x P computed in floating point truncates to 32766.
    track.Repeat(4, kCMajorRound, 10, 100, 5000).Repeat(4, kCMajorRound, 10, 100, 10007);
    track.Repeat(4, kCMajorRound, 10, 100, 5000);
    ASSERT_EQ(Analyse(track), 3328);
    EXPECT_EQ(Word(16), 32767);
    const int inner = track.Frames() - 100;
    const int meanPeak = (80 * 5000 + 160 * 10007 + (inner - 240) * 5000) / inner;
    EXPECT_EQ(Word(15), static_cast<int>(32767LL * meanPeak / 10007));
    EXPECT_EQ(Word(14), static_cast<int>(32767LL * 78 * 20 / 10007));  // gain shift 6: Lo as is
}

TEST_F(TrackAnalysisTest, PulseFollowsMidBandOnsetsDampedBySlowChords) {
    Track track;
    for (int round = 0; round < 20; ++round)
        for (const Chord& c : kCMajorRound) track.Add(1, c, 100, 10000, 60).Add(9, c, 100, 10000, 0);
    ASSERT_EQ(Analyse(track), 3328);
    // In frames 50 ... 349 an onset every 10 frames: 30 gaps summing to 1 + 29 x 9 = 262,
    // x = 524 / 30 = 17, pulse 300 / 17 = 17. 80 segments in 800 frames change chords at rate
    // 30, which leaves the pulse undamped; word 11 is raised to the rate.
    EXPECT_EQ(Word(9), 30);
    EXPECT_EQ(Word(12), 17);
    EXPECT_EQ(Word(13), 17);
    EXPECT_EQ(Word(11), 30);
}

TEST_F(TrackAnalysisTest, HighlightStartsOnAnEvenSegmentAndLasts75Frames) {
    Track track;
    const std::vector<Chord> verse = {{5, 1}, {10, 0}, {3, 0}, {8, 0}, {1, 0}, {6, 1}};
    for (int part = 0; part < 4; ++part) {
        track.Repeat(1, verse, 8, 60, 4000);
        track.Repeat(2, kCMajorRound, 8, 200, 20000);
    }
    ASSERT_EQ(Analyse(track), 3328);
    const int start = Word(18);
    EXPECT_EQ(Word(22), start + 75);
    EXPECT_EQ(Word(26), static_cast<int>(static_cast<float>(start) * 0.1857596f));
    EXPECT_EQ(Word(30), static_cast<int>(static_cast<float>(start + 75) * 0.1857596f));
    EXPECT_EQ(start % 16, 0);  // every segment is 8 frames long
    EXPECT_EQ(Word(19), 0);
    EXPECT_EQ(Word(23), 75);
}

TEST_F(TrackAnalysisTest, MoreWordsThanExpectedStillAnalyseTheFirst1944Frames) {
    Track track;
    track.Repeat(200, kCMajorRound, 5);  // 4000 frames
    EXPECT_EQ(Analyse(track), 3336);
    EXPECT_EQ(Word(0), 1);
    EXPECT_EQ(Word(9), m_analysis->Chords().Count() * 300 / 1944);
}

TEST(SmoothingTest, EveryTermIsTakenFromBeforeThePass) {
    int v[] = {3, 6, 9, 0, 7};
    mood::SmoothOnce(v, 1, 3);
    EXPECT_EQ(v[0], 3);
    EXPECT_EQ(v[1], 6);  // (3 + 6 + 9) / 3
    EXPECT_EQ(v[2], 5);  // (6 + 9 + 0) / 3
    EXPECT_EQ(v[3], 5);  // (9 + 0 + 7) / 3
    EXPECT_EQ(v[4], 7);
    int negative[] = {0, -4, 0};
    mood::SmoothOnce(negative, 1, 1);
    EXPECT_EQ(negative[1], -1);  // truncated toward zero
}

struct BlipCase {
    const char* name;
    std::vector<int> before, after;
};

class BlipTest : public ::testing::TestWithParam<BlipCase> {};

TEST_P(BlipTest, ShortChordsTakeTheirPredecessor) {
    std::vector<int> root = GetParam().before;
    std::vector<int> type(root.size(), 0);
    const int n = static_cast<int>(root.size());
    mood::ChordSequence::RemoveBlips(root.data(), type.data(), n);
    mood::ChordSequence::RemoveDoubleBlips(root.data(), type.data(), n);
    EXPECT_EQ(root, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, BlipTest,
    ::testing::Values(BlipCase{"Single", {1, 1, 2, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1}},
                      BlipCase{"Double", {1, 1, 2, 2, 3, 3, 3, 3}, {1, 1, 1, 1, 3, 3, 3, 3}},
                      BlipCase{"ChangeKept", {1, 1, 1, 2, 2, 2, 2, 2}, {1, 1, 1, 2, 2, 2, 2, 2}},
                      BlipCase{"TailUntouched", {1, 1, 1, 1, 1, 2, 3}, {1, 1, 1, 1, 1, 2, 3}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ChordSequenceTest, RelativeSecondCandidateContinuesThePreviousChord) {
    auto frames = std::make_unique<mood::TrackFrames>();
    frames->count = 2;
    // Frame 0: C major. Frame 1: A minor first, its relative C major second.
    frames->root0[0] = 3, frames->type0[0] = 0, frames->root1[0] = 0, frames->type1[0] = 1;
    frames->root0[1] = 0, frames->type0[1] = 1, frames->root1[1] = 3, frames->type1[1] = 0;
    mood::ChordSequence::KeepRelativeContinuity(*frames);
    EXPECT_EQ(frames->root0[1], 3);
    EXPECT_EQ(frames->type0[1], 0);
}

TEST(HighlightFinderTest, TransposedRepeatsCostNothing) {
    Track track;
    const std::vector<Chord> phrase = {{0, 0}, {5, 0}, {7, 0}, {2, 1}, {9, 1}};
    std::vector<Chord> transposed;
    for (Chord c : phrase) transposed.push_back({(c.root + 1) % 12, c.type});
    track.Repeat(5, phrase, 4).Repeat(5, transposed, 4);
    auto frames = std::make_unique<mood::TrackFrames>();
    ASSERT_TRUE(frames->Parse(track.words.data(), track.Frames()));
    auto chords = std::make_unique<mood::ChordSequence>();
    chords->Build(*frames);
    ASSERT_EQ(chords->Count(), 50);
    auto finder = std::make_unique<mood::HighlightFinder>();
    finder->BuildRepetitionProfile(*chords);
    EXPECT_EQ(finder->AlignmentCost(*chords, 0, 5), 0);
    EXPECT_EQ(finder->AlignmentCost(*chords, 0, 25), 0);  // a semitone up
    EXPECT_GT(finder->AlignmentCost(*chords, 0, 2), 0);
}

}  // namespace
