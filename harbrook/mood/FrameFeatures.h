#pragma once
// Reduces each frame's spectrum to its frame record: band levels, spectral centre, chroma
// roughness, peak, gain shift and the two strongest chord candidates.
#include <mood/ChordEstimator.h>
#include <mood/Chroma.h>
#include <mood/FrameRecord.h>
#include <mood/FrameSpectrum.h>

#include <cstdint>

namespace mood {

class FrameFeatures {
public:
    // Per track: clears the chroma history and the chord candidates.
    void Reset();
    void Analyse(const FrameSpectrum& spectrum);
    // Writes the record of the frame just analysed (six words).
    void WriteRecord(std::uint16_t* words) const;

    const Chroma& ChromaVector() const { return m_chroma; }
    const ChordEstimator& Chords() const { return m_chords; }
    const FrameRecordFields& Fields() const { return m_fields; }

private:
    Chroma m_chroma;
    ChordEstimator m_chords;
    FrameRecordFields m_fields;
};

}  // namespace mood
