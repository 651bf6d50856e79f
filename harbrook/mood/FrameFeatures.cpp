#include <mood/FrameFeatures.h>

#include <mood/FrameBands.h>

namespace mood {

void FrameFeatures::Reset() {
    m_chroma.Reset();
    m_chords.Reset();
    m_fields = FrameRecordFields{};
}

void FrameFeatures::Analyse(const FrameSpectrum& spectrum) {
    m_chroma.Analyse(spectrum.db);
    m_chords.Estimate(m_chroma);
    m_fields.lowLevel = LowBandLevel(spectrum.db);
    m_fields.midLevel = MidBandLevel(spectrum.db);
    m_fields.centre = SpectralCentre(spectrum.db);
    m_fields.roughness = m_chroma.Roughness() / 6;
    m_fields.peak = spectrum.peak;
    m_fields.gainShift = spectrum.gainShift;
    const ChordCandidates& c = m_chords.Current();
    m_fields.root0 = c.root[0];
    m_fields.type0 = c.type[0];
    m_fields.root1 = c.root[1];
    m_fields.type1 = c.type[1];
}

void FrameFeatures::WriteRecord(std::uint16_t* words) const { PackFrameRecord(m_fields, words); }

}  // namespace mood
