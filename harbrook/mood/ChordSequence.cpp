#include <mood/ChordSequence.h>

#include <mood/MoodTables.h>

namespace mood {

namespace {

bool samePair(const int* root, const int* type, int a, int b) {
    return root[a] == root[b] && type[a] == type[b];
}

void copyPair(int* root, int* type, int to, int from) {
    root[to] = root[from];
    type[to] = type[from];
}

}  // namespace

void ChordSequence::Build(TrackFrames& frames) {
    const int n = frames.count;
    RemoveBlips(frames.root0, frames.type0, n);
    RemoveDoubleBlips(frames.root0, frames.type0, n);
    RemoveBlips(frames.root1, frames.type1, n);
    RemoveDoubleBlips(frames.root1, frames.type1, n);
    KeepRelativeContinuity(frames);
    RemoveBlips(frames.root0, frames.type0, n);
    RemoveBlips(frames.root1, frames.type1, n);
    Segment(frames);
}

void ChordSequence::RemoveBlips(int* root, int* type, int n) {
    // A single frame unlike both neighbours takes its predecessor's chord.
    for (int k = 1; k <= n - 3; ++k)
        if (!samePair(root, type, k, k - 1) && !samePair(root, type, k, k + 1))
            copyPair(root, type, k, k - 1);
}

void ChordSequence::RemoveDoubleBlips(int* root, int* type, int n) {
    for (int k = 0; k <= n - 5; ++k) {
        if (!samePair(root, type, k + 1, k) && !samePair(root, type, k + 3, k + 2)) {
            copyPair(root, type, k + 1, k);
            copyPair(root, type, k + 2, k);
        }
    }
}

void ChordSequence::KeepRelativeContinuity(TrackFrames& f) {
    // When the second candidate is the relative of the first and continues the previous frame's
    // chord, the chord did not really change.
    for (int j = 1; j < f.count; ++j) {
        const int mode0 = chordMode(f.type0[j]);
        const int mode1 = chordMode(f.type1[j]);
        if (!chordsRelated(f.root0[j], mode0, f.root1[j], mode1)) continue;
        if (f.root1[j] != f.root0[j - 1] || mode1 != chordMode(f.type0[j - 1])) continue;
        f.root0[j] = f.root1[j];
        f.type0[j] = f.type1[j];
    }
}

void ChordSequence::Segment(const TrackFrames& frames) {
    m_count = 0;
    for (int i = 0; i < frames.count; ++i) {
        const int root = frames.root0[i];
        const int mode = chordMode(frames.type0[i]);
        if (m_count > 0 && m_root[m_count - 1] == root && m_mode[m_count - 1] == mode) {
            ++m_length[m_count - 1];
            continue;
        }
        if (m_count == kMaxSegments) break;  // the rest of the track is not segmented
        m_root[m_count] = root;
        m_mode[m_count] = mode;
        m_length[m_count] = 1;
        m_start[m_count] = i;
        ++m_count;
    }
}

}  // namespace mood
