#include <mood/KeyEstimator.h>

#include <mood/MoodTables.h>

#include <utility>

namespace mood {

namespace {

constexpr int kWindow = 5;        // segments per local-key window
constexpr int kCountedFrom = 5;   // segments before this do not count toward the track's keys
constexpr int kCountedTail = 10;  // nor do the last ten

}  // namespace

bool KeyEstimator::Estimate(const ChordSequence& chords) {
    for (auto& key : m_keys) key = Key{};
    m_keyCount = 0;
    FindLocalKeys(chords);
    if (chords.Count() < kMinSegments) return false;
    PickKeys(chords);
    if (m_keyCount == 0) return false;
    OrderRelativeKeys();
    FindTonicFrames(chords);
    return true;
}

void KeyEstimator::FindLocalKeys(const ChordSequence& chords) {
    const int count = chords.Count();
    for (int s = 0; s < kMaxSegments; ++s) m_localRoot[s] = m_localMode[s] = kNoKey;
    for (int p = 0; p + kWindow < count; ++p) {
        Tally tally = {};
        TallyCadences(chords, p, tally);
        const bool none[kPitchClasses][2] = {};
        int root = 0;
        int mode = 0;
        if (LargestEntry(tally, none, root, mode)) {
            m_localRoot[p] = root;
            m_localMode[p] = mode;
        } else if (p == 0) {
            m_localRoot[p] = chords.Root(0);
            m_localMode[p] = chords.Mode(0);
        } else {
            m_localRoot[p] = m_localRoot[p - 1];
            m_localMode[p] = m_localMode[p - 1];
        }
    }
}

void KeyEstimator::TallyCadences(const ChordSequence& chords, int position, Tally& tally) {
    for (const auto& set : kIndexSets) {
        const int a = position + set[0];
        const int b = position + set[1];
        const int c = position + set[2];
        const int interval1 = pitchClass(chords.Root(b) - chords.Root(a));
        const int interval2 = pitchClass(chords.Root(c) - chords.Root(b));
        const int weight = chords.Length(a) + chords.Length(b) + chords.Length(c);
        for (const auto& cadence : kCadences) {
            if (cadence.interval1 != interval1 || cadence.interval2 != interval2) continue;
            if (cadence.modes[0] != chords.Mode(a) || cadence.modes[1] != chords.Mode(b) ||
                cadence.modes[2] != chords.Mode(c))
                continue;
            tally[pitchClass(chords.Root(a) + cadence.keyOffset)][cadence.keyMode] += weight;
        }
    }
}

bool KeyEstimator::LargestEntry(const Tally& tally, const bool (&taken)[kPitchClasses][2],
                                int& root, int& mode) {
    int best = 0;
    bool found = false;
    for (int r = 0; r < kPitchClasses; ++r) {
        for (int m = 0; m < 2; ++m) {
            if (taken[r][m] || tally[r][m] <= best) continue;
            best = tally[r][m];
            root = r;
            mode = m;
            found = true;
        }
    }
    return found;
}

void KeyEstimator::PickKeys(const ChordSequence& chords) {
    Tally tally = {};
    for (int k = kCountedFrom; k <= chords.Count() - kCountedTail - 1; ++k)
        if (m_localRoot[k] != kNoKey) tally[m_localRoot[k]][m_localMode[k]] += chords.Length(k);
    bool taken[kPitchClasses][2] = {};
    while (m_keyCount < kMaxKeys) {
        Key& key = m_keys[m_keyCount];
        if (!LargestEntry(tally, taken, key.root, key.mode)) break;
        taken[key.root][key.mode] = true;
        key.weight = tally[key.root][key.mode];
        ++m_keyCount;
    }
}

void KeyEstimator::OrderRelativeKeys() {
    // A relative major/minor pair among the keys goes first. Only keys that were found take part:
    // an empty third slot must not displace a real key.
    if (m_keyCount < kMaxKeys) return;
    Key& k1 = m_keys[0];
    Key& k2 = m_keys[1];
    Key& k3 = m_keys[2];
    if (pitchClass(k2.root - k3.root) == 3 && k2.mode != k3.mode) {
        const Key first = k1;
        k1 = k2;
        k2 = k3;
        k3 = first;
    } else if (pitchClass(k1.root - k3.root) == 3 && k1.mode != k3.mode) {
        std::swap(k2, k3);
    }
}

void KeyEstimator::FindTonicFrames(const ChordSequence& chords) {
    const int count = chords.Count();
    int from = static_cast<int>(count * 0.2);
    if (from >= count - kWindow) from = 0;
    for (int i = 0; i < m_keyCount; ++i) {
        Key& key = m_keys[i];
        key.tonicFrame = chords.Start(from);
        for (int s = from; s < count - kWindow; ++s) {
            if (m_localRoot[s] == key.root && m_localMode[s] == key.mode &&
                chords.Root(s) == key.root && chords.Mode(s) == key.mode) {
                key.tonicFrame = chords.Start(s);
                break;
            }
        }
    }
}

}  // namespace mood
