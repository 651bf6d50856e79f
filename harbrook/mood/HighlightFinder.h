#pragma once
// Finds the highlight of a track: where the chord sequence starts a stretch that repeats (also
// transposed) and the music is bright and loud. Works on segment positions.
#include <mood/ChordSequence.h>
#include <mood/MoodConstants.h>
#include <mood/SegmentLevels.h>

namespace mood {

class HighlightFinder {
public:
    static constexpr int kMinSegments = 40;
    static constexpr int kNotFound = -1;

    // The segment position where the highlight starts, or kNotFound with fewer than 40 segments.
    int Find(const ChordSequence& chords, const SegmentLevels& levels);

    // The stages, in the order Find runs them (public for tests).
    int AlignmentCost(const ChordSequence& chords, int x0, int y0) const;
    void BuildRepetitionProfile(const ChordSequence& chords);
    int ProfileAt(int s) const { return s >= 0 && s < kMaxSegments ? m_profile[s] : 0; }

private:
    static constexpr int kMaxPairs = kMaxSegments / 2;
    static constexpr int kMaxRows = kMaxPairs * 6 / 10;

    struct Search {
        bool loud = false;
        const int* working = nullptr;  // W: combined or late brightness
        int best = 50;
        int start = 0;
        int candidate = 0;  // g: the candidate the start was found from
    };

    void FillMatrix(const ChordSequence& chords);
    int FlattenAboveMean();
    void SmoothLagLines();
    void ScoreRows(int mean);
    void SpreadToSegments();
    void NormaliseProfile();
    void PickCandidates();
    bool IsLoud(const int* combined) const;
    bool IsStable(const Search& search) const;
    void SearchAround(Search& search) const;
    void WalkBack(Search& search) const;
    void SettleStart(Search& search) const;
    int W(const Search& search, int p) const {
        return p >= 0 && p < kMaxSegments ? search.working[p] : 0;
    }

    int m_segments = 0;  // S
    int m_even = 0;      // s = 2 (S / 2)
    int m_pairs = 0;     // P
    int m_rows = 0;      // R
    int m_scale = 0;     // u
    int m_smallest = 0;
    int m_largest = 0;
    int m_cells[kMaxRows][kMaxPairs] = {};
    int m_rowSum[kMaxPairs] = {};
    int m_profile[kMaxSegments] = {};  // Y per segment position
    int m_candidates[3] = {};
    int m_candidateCount = 0;
};

}  // namespace mood
