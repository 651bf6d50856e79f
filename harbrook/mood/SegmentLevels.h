#pragma once
// Brightness and loudness per chord segment, normalised to 0 ... 100; the highlight finder looks
// for a stretch that is both.
#include <mood/ChordSequence.h>
#include <mood/MoodConstants.h>
#include <mood/TrackFrames.h>

namespace mood {

class SegmentLevels {
public:
    void Measure(const ChordSequence& chords, const TrackFrames& frames);

    // Values per segment position; 0 outside the measured segments.
    int Brightness(int s) const { return At(m_brightness, s); }
    int Loudness(int s) const { return At(m_loudness, s); }
    int Combined(int s) const { return At(m_combined, s); }
    // Brightness with the first fifth of the segments zeroed (a highlight rarely opens a track).
    int LateBrightness(int s) const { return At(m_lateBrightness, s); }
    // Whole arrays of kMaxSegments entries.
    const int* CombinedValues() const { return m_combined; }
    const int* LateBrightnessValues() const { return m_lateBrightness; }

private:
    static int At(const int* values, int s) { return s >= 0 && s < kMaxSegments ? values[s] : 0; }
    // Mean of `perFrame` over each measured segment's window, smoothed three times.
    void WindowMeans(const ChordSequence& chords, const int* perFrame, int frameCount, int* out,
                     int* largestSeen) const;

    int m_brightness[kMaxSegments] = {};
    int m_loudness[kMaxSegments] = {};
    int m_combined[kMaxSegments] = {};
    int m_lateBrightness[kMaxSegments] = {};
};

}  // namespace mood
