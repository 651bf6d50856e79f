#pragma once
// Analyses a track's frame records as a whole into its mood result: levels and pulse, the chord
// sequence and its keys, chord counts, and the highlight section.
#include <mood/ChordSequence.h>
#include <mood/HighlightFinder.h>
#include <mood/KeyEstimator.h>
#include <mood/LevelStatistics.h>
#include <mood/MoodResult.h>
#include <mood/SegmentLevels.h>
#include <mood/TrackFrames.h>

#include <cstdint>

namespace mood {

class TrackAnalysis {
public:
    // `wordCount` 16-bit words of frame records. Returns the analysis status; on any failure the
    // result is all zero but for its section count (word 17), which is 1.
    std::int32_t Analyse(const std::uint16_t* words, int wordCount, MoodResult& result);

    const ChordSequence& Chords() const { return m_chords; }
    const KeyEstimator& Keys() const { return m_keys; }

private:
    std::int32_t Run(const std::uint16_t* words, int wordCount, MoodResult& result);
    void WriteKeys(MoodResult& result) const;
    void WriteChordCounts(MoodResult& result) const;
    static void WritePulse(int pulse, MoodResult& result);
    static void WriteLevels(const LevelStatistics& levels, MoodResult& result);
    void WriteHighlight(MoodResult& result);

    TrackFrames m_frames;
    ChordSequence m_chords;
    SegmentLevels m_segmentLevels;
    KeyEstimator m_keys;
    HighlightFinder m_highlight;
};

}  // namespace mood
