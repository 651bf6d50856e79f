#pragma once
// The track's keys: every window of five chord segments votes for the keys its three-chord
// cadences imply (a local key per segment), and the segments' lengths under each local key
// decide the track's most likely keys.
#include <mood/ChordSequence.h>
#include <mood/MoodConstants.h>

namespace mood {

struct Key {
    int root = 0;  // pitch class, 0 = A
    int mode = 0;  // 0 major, 1 minor
    int weight = 0;
    int tonicFrame = 0;  // where the key's tonic chord first occurs
};

class KeyEstimator {
public:
    static constexpr int kMaxKeys = 3;
    static constexpr int kMinSegments = 15;
    static constexpr int kNoKey = -1;

    // False when no key is found (fewer than 15 segments, or no cadence in the counted part).
    bool Estimate(const ChordSequence& chords);

    int KeyCount() const { return m_keyCount; }
    const Key& KeyAt(int i) const { return m_keys[i]; }
    int LocalKeyRoot(int s) const { return m_localRoot[s]; }
    int LocalKeyMode(int s) const { return m_localMode[s]; }

    // The stages, in the order Estimate runs them.
    void FindLocalKeys(const ChordSequence& chords);
    void PickKeys(const ChordSequence& chords);
    void OrderRelativeKeys();
    void FindTonicFrames(const ChordSequence& chords);

private:
    using Tally = int[kPitchClasses][2];
    static void TallyCadences(const ChordSequence& chords, int position, Tally& tally);
    // Largest entry above 0 not yet taken (root outer, mode inner, first of equal values);
    // false when none is left.
    static bool LargestEntry(const Tally& tally, const bool (&taken)[kPitchClasses][2],
                             int& root, int& mode);

    int m_localRoot[kMaxSegments] = {};
    int m_localMode[kMaxSegments] = {};
    Key m_keys[kMaxKeys];
    int m_keyCount = 0;
};

}  // namespace mood
