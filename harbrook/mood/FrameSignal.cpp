#include <mood/FrameSignal.h>

#include <bit>
#include <cmath>
#include <cstring>

namespace mood {

static_assert(std::endian::native == std::endian::little, "WAV samples are read in place");

void FrameSignal::Reset(const FrameGeometry& geometry, std::uint32_t sampleRate) {
    m_geometry = geometry;
    m_filter.Configure(sampleRate);
    m_filter.ClearState();
}

int FrameSignal::Process(const std::uint8_t* raw, float* decimated) {
    const std::int16_t* interleaved = Widen(raw);
    DownMix(interleaved);
    m_filter.Process(m_mono, m_mono, m_geometry.samplesPerFrame);
    return Decimate(decimated);
}

const std::int16_t* FrameSignal::Widen(const std::uint8_t* raw) {
    const int count = m_geometry.samplesPerFrame * m_geometry.channels;
    if (m_geometry.bytesPerSample == 1) {
        for (int n = 0; n < count; ++n)
            m_wide[n] = static_cast<std::int16_t>(
                static_cast<int>((static_cast<float>(raw[n]) - 128.0f) * 0.0078125f * 32767.0f));
    } else {
        // Little-endian 16-bit samples; copied so the raw buffer needs no alignment.
        std::memcpy(m_wide, raw, static_cast<std::size_t>(count) * sizeof(std::int16_t));
    }
    return m_wide;
}

void FrameSignal::DownMix(const std::int16_t* interleaved) {
    const int samples = m_geometry.samplesPerFrame;
    for (int n = 0; n < samples; ++n) {
        int value = m_geometry.channels == 2 ? (interleaved[2 * n] + interleaved[2 * n + 1]) / 2
                                             : interleaved[n];
        if (value == 0) value = 1;
        m_mono[n] = static_cast<std::int16_t>(value);
    }
}

int FrameSignal::Decimate(float* decimated) const {
    int peak = 0;
    for (int k = 0; k < kFftSize; ++k) {
        int index;
        if (m_geometry.decimationStep != 0)
            index = k * m_geometry.decimationStep;
        else if (k < kFftSize - 1)
            index = static_cast<int>(std::floor(static_cast<float>(k) * m_geometry.decimationRatio));
        else
            index = static_cast<int>(std::ceil(static_cast<float>(k) * m_geometry.decimationRatio));
        const int sample = m_mono[index];
        const int magnitude = sample < 0 ? -sample : sample;
        if (magnitude > peak) peak = magnitude;
        decimated[k] = static_cast<float>(sample) / 32768.0f;
    }
    return peak;
}

}  // namespace mood
