#include <mood/LevelStatistics.h>

#include <mood/Smoothing.h>

namespace mood {

namespace {

constexpr int kEdgeFrames = 50;
constexpr int kMaxBeatGap = 25;  // frames; longer gaps between mid-band onsets are not beats

}  // namespace

LevelStatistics MeasureLevels(TrackFrames& frames) {
    LevelStatistics stats;
    MeasurePeaks(frames, stats);
    stats.bass = MeasureBass(frames);
    stats.pulse = MeasurePulse(frames);
    return stats;
}

void MeasurePeaks(const TrackFrames& frames, LevelStatistics& stats) {
    const int n = frames.count;
    long long sum = 0;
    int largest = 0;
    for (int i = kEdgeFrames; i <= n - kEdgeFrames - 1; ++i) {
        sum += frames.peak[i];
        if (frames.peak[i] > largest) largest = frames.peak[i];
    }
    const int inner = n - 2 * kEdgeFrames;
    stats.meanPeak = inner > 0 ? static_cast<int>(sum / inner) : 0;
    stats.largestPeak = largest;
}

int MeasureBass(const TrackFrames& frames) {
    int bass = 0;
    for (int i = kEdgeFrames; i <= frames.count - kEdgeFrames - 1; ++i) {
        // Undo the frame's normalisation: the gain shift says how loud the frame really was.
        const int h = frames.gainShift[i];
        const int shift = h > 6 ? 0 : 6 - h;
        const int value = 78 * (frames.low[i] >> shift);
        if (value > bass) bass = value;
    }
    return bass;
}

int MeasurePulse(TrackFrames& frames) {
    const int n = frames.count / 2;
    int* lo = frames.low;
    int* lo2 = frames.low2;
    int* bm = frames.mid;
    // High-pass the low band (itself minus its smoothed self) and add it to the mid band minus
    // the smoothed difference: what is left are the onsets.
    Smooth(lo2, 1, n - 1, 5);
    for (int i = 0; i < n; ++i) {
        lo[i] -= lo2[i];
        lo2[i] = lo[i];
    }
    Smooth(lo2, 1, n - 1, 5);
    for (int i = 0; i < n; ++i) bm[i] = bm[i] - lo2[i] + lo[i];

    int run = 1;
    int gapSum = 0;
    int gapCount = 0;
    for (int i = kEdgeFrames; i <= n - kEdgeFrames - 1; ++i) {
        if (bm[i] > 0) {
            if (run < kMaxBeatGap) {
                gapSum += run;
                ++gapCount;
            }
            run = 0;
        } else {
            ++run;
        }
    }
    if (gapSum == 0) return 0;
    int x = 2 * gapSum / gapCount;
    // Mostly back-to-back onsets can round the mean gap down to 0.
    if (x < 1) x = 1;
    return 300 / x;
}

}  // namespace mood
