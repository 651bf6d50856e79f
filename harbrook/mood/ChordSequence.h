#pragma once
// The track's chord sequence: the per-frame candidates cleaned of short blips and cut into
// segments of one chord (root and mode) each.
#include <mood/MoodConstants.h>
#include <mood/TrackFrames.h>

namespace mood {

class ChordSequence {
public:
    // Cleans the candidate sequences of `frames` in place and segments candidate 0.
    void Build(TrackFrames& frames);

    int Count() const { return m_count; }
    // Segment fields; an index past the last segment reads as 0.
    int Root(int s) const { return Valid(s) ? m_root[s] : 0; }
    int Mode(int s) const { return Valid(s) ? m_mode[s] : 0; }
    int Length(int s) const { return Valid(s) ? m_length[s] : 0; }
    // First frame of segment s (the sum of the lengths before it).
    int Start(int s) const { return Valid(s) ? m_start[s] : 0; }

    // The cleaning steps, in the order Build runs them; `n` frames.
    static void RemoveBlips(int* root, int* type, int n);
    static void RemoveDoubleBlips(int* root, int* type, int n);
    static void KeepRelativeContinuity(TrackFrames& frames);

private:
    bool Valid(int s) const { return s >= 0 && s < m_count; }
    void Segment(const TrackFrames& frames);

    int m_count = 0;
    int m_root[kMaxSegments] = {};
    int m_mode[kMaxSegments] = {};
    int m_length[kMaxSegments] = {};
    int m_start[kMaxSegments] = {};
};

}  // namespace mood
