#pragma once
// One frame's normalised power spectrum in dB (0 dB at the strongest bin, -90 dB floor), with the
// gain shift and the frame peak that travel with it into the frame record.
#include <mood/MoodConstants.h>
#include <mood/RealFft.h>

namespace mood {

struct FrameSpectrum {
    float db[kBins];
    int gainShift;  // 6 - log2 of the normalising gain, at least 0
    int peak;       // largest absolute decimated sample, 0 ... 32767
};

// Window, FFT and normalisation of one decimated frame.
class SpectrumAnalyser {
public:
    SpectrumAnalyser();

    // `samples`: the 1024 decimated samples in -1 ... 1.
    void Analyse(const float* samples, int peak, FrameSpectrum& out);

private:
    float m_window[kFftSize];  // Hamming: 0.54 - 0.46 cos(n step)
    float m_windowed[kFftSize];
    float m_re[kBins];
    float m_im[kBins];
    float m_power[kBins];
    RealFft m_fft;
};

}  // namespace mood
