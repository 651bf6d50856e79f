#pragma once
// Loudness, bass and pulse of a track from its frame records.
#include <mood/TrackFrames.h>

namespace mood {

struct LevelStatistics {
    int meanPeak = 0;
    int largestPeak = 0;
    int bass = 0;
    int pulse = 0;  // before the chord-rate correction
};

// Frames 0 ... 49 and the last 50 are left out of the peak and bass measures (fades). The pulse
// measure reworks the low and mid bands of the first half of `frames` in place.
LevelStatistics MeasureLevels(TrackFrames& frames);

// The parts, in the order MeasureLevels runs them.
void MeasurePeaks(const TrackFrames& frames, LevelStatistics& stats);
int MeasureBass(const TrackFrames& frames);
int MeasurePulse(TrackFrames& frames);

}  // namespace mood
