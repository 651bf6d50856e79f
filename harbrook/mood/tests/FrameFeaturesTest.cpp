#include <mood/ChordEstimator.h>
#include <mood/FrameBands.h>
#include <mood/FrameFeatures.h>
#include <mood/MoodTables.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

using mood::FrameSpectrum;

// A spectrum at the -90 dB floor with the given notes (octave, pitch class) at 0 dB.
FrameSpectrum NotesSpectrum(std::initializer_list<std::pair<int, int>> notes) {
    FrameSpectrum s{};
    std::fill(std::begin(s.db), std::end(s.db), -90.0f);
    for (auto [octave, pitchClass] : notes)
        for (short bin : mood::kSemitoneBins[octave][pitchClass]) s.db[bin] = 0.0f;
    return s;
}

class FrameFeaturesTest : public ::testing::Test {
protected:
    void SetUp() override { m_features->Reset(); }

    std::uint16_t ChordWord(const FrameSpectrum& s) {
        m_features->Analyse(s);
        std::uint16_t words[6];
        m_features->WriteRecord(words);
        EXPECT_EQ(words[0], 0xFFFB);
        return words[4];
    }

    std::unique_ptr<mood::FrameFeatures> m_features = std::make_unique<mood::FrameFeatures>();
};

TEST_F(FrameFeaturesTest, AMajorTriadIsRootZeroTypeZero) {
    // A, C sharp, E in two octaves.
    const FrameSpectrum triad = NotesSpectrum({{1, 0}, {1, 4}, {1, 7}, {2, 0}, {2, 4}, {2, 7}});
    const std::uint16_t word = ChordWord(triad);
    EXPECT_EQ(word >> 12 & 0xF, 0);  // type
    EXPECT_EQ(word >> 8 & 0xF, 0);   // root
    const mood::ChordCandidates& c = m_features->Chords().Current();
    EXPECT_EQ(c.count, 3);
    EXPECT_EQ(c.strength[0], 300);
}

TEST_F(FrameFeaturesTest, BeforeAnyChordTheCandidatesAreZero) {
    FrameSpectrum silent{};
    std::fill(std::begin(silent.db), std::end(silent.db), -90.0f);
    EXPECT_EQ(ChordWord(silent), 0);
}

TEST_F(FrameFeaturesTest, SilentFrameIsFlatAndRepeatsThePreviousChords) {
    const FrameSpectrum dMajor = NotesSpectrum({{1, 5}, {1, 9}, {2, 0}});
    const std::uint16_t chord = ChordWord(dMajor);
    EXPECT_EQ(chord >> 8 & 0xF, 5);
    FrameSpectrum silent{};
    std::fill(std::begin(silent.db), std::end(silent.db), -90.0f);
    // The chord lingers in the five-frame chroma history; the fifth silent frame is flat.
    std::uint16_t previous = chord;
    for (int i = 0; i < 4; ++i) previous = ChordWord(silent);
    EXPECT_EQ(ChordWord(silent), previous);
    const mood::Chroma& chroma = m_features->ChromaVector();
    // Every note averages the floor; x 0.14285715 in float puts it just below B, one step down.
    for (int o = 0; o < mood::kOctaves; ++o)
        for (int k = 0; k < mood::kPitchClasses; ++k) EXPECT_EQ(chroma.NoteLevel(o, k), 29);
    for (int k = 0; k < mood::kPitchClasses; ++k) EXPECT_EQ(chroma.Value(k), 100);
    EXPECT_EQ(chroma.Roughness(), 0);
    EXPECT_EQ(m_features->Fields().lowLevel, 0);
    EXPECT_EQ(m_features->Fields().roughness, 0);
}

struct TieCase {
    const char* name;
    std::vector<int> classes;  // chroma 100, chosen in this order
    int root[3], type[3];
};

class ChordTieTest : public ::testing::TestWithParam<TieCase> {};

TEST_P(ChordTieTest, EqualScoresGoToTheHigherTypeThenRoot) {
    const TieCase& c = GetParam();
    int chroma[12] = {};
    int chosen[6] = {};
    int count = 0;
    for (int k : c.classes) {
        chroma[k] = 100;
        chosen[count++] = k;
    }
    auto estimator = std::make_unique<mood::ChordEstimator>();
    estimator->Reset();
    estimator->Estimate(chroma, chosen, count);
    const mood::ChordCandidates& got = estimator->Current();
    for (int l = 0; l < 3; ++l) {
        EXPECT_EQ(got.root[l], c.root[l]) << l;
        EXPECT_EQ(got.type[l], c.type[l]) << l;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ChordTieTest,
    ::testing::Values(
        // A major and A minor both score 300: the minor (type 1) first; the last candidate is a
        // zero score taken from the end of the scan.
        TieCase{"TypeTie", {0, 3, 4, 7}, {0, 0, 11}, {1, 0, 4}},
        // A and D sharp score 300 each as types 0, 3 and 4: type 4 first, the higher root first.
        TieCase{"RootTie", {0, 4, 7, 6, 10, 1}, {6, 0, 6}, {4, 4, 3}},
        // F sharp minor seventh and F sharp minor lead; D major, related to F sharp minor,
        // replaces the unrelated second candidate.
        TieCase{"RelativeCorrection", {0, 4, 5, 7, 9}, {9, 5, 5}, {2, 0, 0}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(FrameBandsTest, LevelsCountOnlyBinsAboveMinus30) {
    float db[mood::kBins];
    std::fill(std::begin(db), std::end(db), -90.0f);
    for (int i = 10; i <= 19; ++i) db[i] = -10.5f;  // truncates to -10: 20 each
    db[30] = 0.0f;
    EXPECT_EQ(mood::LowBandLevel(db), 100);
    EXPECT_EQ(mood::MidBandLevel(db), 15);
}

TEST(FrameBandsTest, CentreWeighsBinsWithTheTilt) {
    float db[mood::kBins];
    std::fill(std::begin(db), std::end(db), -90.0f);
    db[200] = 0.0f;  // v + tilt = 12.5: 2500 / 12 = 208, halved
    EXPECT_EQ(mood::SpectralCentre(db), 104);
    db[40] = -12.0f;  // v + tilt = -9.5: the total truncates to 3, weighted to 2120
    EXPECT_EQ(mood::SpectralCentre(db), 255);  // 353 would spill out of its byte
}

}  // namespace
