#include <mood/FrameSpectrum.h>

#include <cmath>

namespace mood {

namespace {

constexpr float kFloor = 1e-9f;  // -90 dB

}  // namespace

SpectrumAnalyser::SpectrumAnalyser() {
    for (int n = 0; n < kFftSize; ++n)
        m_window[n] = static_cast<float>(
            0.54 - 0.46 * std::cos(static_cast<double>(n) * static_cast<double>(kAngleStep)));
}

void SpectrumAnalyser::Analyse(const float* samples, int peak, FrameSpectrum& out) {
    for (int n = 0; n < kFftSize; ++n) m_windowed[n] = samples[n] * m_window[n];
    m_fft.Forward(m_windowed, m_re, m_im);

    float largest = 0.0f;
    for (int k = 0; k < kBins; ++k) {
        m_power[k] = m_re[k] * m_re[k] + m_im[k] * m_im[k];
        if (m_power[k] > largest) largest = m_power[k];
    }
    const float gain = largest > 0.0f ? 1.0f / largest : 1.0f;
    for (int k = 0; k < kBins; ++k) {
        float v = m_power[k] * gain;
        if (v < kFloor) v = kFloor;
        out.db[k] = 10.0f * std::log10(v);
    }
    // The gain is finite for any 16-bit input; the clamp only keeps the conversion defined.
    const float log2Gain = std::fmin(std::fmax(std::log10(gain) / std::log10(2.0f), -64.0f), 64.0f);
    const int shift = 6 - static_cast<int>(log2Gain);
    out.gainShift = shift < 0 ? 0 : shift;
    out.peak = peak;
}

}  // namespace mood
