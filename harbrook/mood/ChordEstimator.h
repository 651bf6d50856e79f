#pragma once
// The frame's chord estimate: every chosen chroma class is tried as the root of the five chord
// types, matches score the chroma of their notes, and the three best (root, type) pairs become the
// frame's candidates. A frame with a flat chroma keeps the candidates of the last frame with
// chords.
#include <mood/Chroma.h>
#include <mood/MoodConstants.h>

namespace mood {

struct ChordCandidates {
    int count = 0;  // 0 ... 3
    int root[kCandidates] = {};
    int type[kCandidates] = {};
    int strength[kCandidates] = {};
};

class ChordEstimator {
public:
    static constexpr int kMinRoughness = 9;  // mean chroma step at or below this: no chords
    static constexpr int kMaxMatches = 30;

    void Reset();
    void Estimate(const Chroma& chroma);
    // The same from a normalised chroma (12 values) and its chosen classes in order of choice.
    void Estimate(const int* chroma, const int* chosen, int chosenCount);

    const ChordCandidates& Current() const { return m_current; }
    const ChordCandidates& Previous() const { return m_previous; }
    int Score(int type, int root) const { return m_score[type][root]; }

private:
    bool ScoreChords(const int* chroma, const int* chosen, int chosenCount);
    void PickCandidates();
    void CorrectRelativeKey();

    int m_score[kChordTypes][kPitchClasses] = {};
    bool m_used[kChordTypes][kPitchClasses] = {};
    ChordCandidates m_current;
    ChordCandidates m_previous;
};

}  // namespace mood
