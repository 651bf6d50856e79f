#pragma once
// A 1024-point real FFT computed as a 512-point complex FFT plus a split pass. The twiddle
// factors step by the detector's fixed angle, and every output bin is X[k] / 32.
#include <mood/MoodConstants.h>

namespace mood {

// The angle step of both the analysis window and the twiddle factors: 2 x 3.1415 / 1024.
constexpr float kAngleStep = 0.006135742f;

class RealFft {
public:
    RealFft();

    // Bins k = 0 ... 511 of the transform of `input` (1024 samples), scaled by 1/32.
    void Forward(const float* input, float* re, float* im);

private:
    static constexpr int kHalf = kFftSize / 2;
    void ComplexFft();

    float m_cos[kHalf];  // cos(k * step), sin(k * step) for k < 512
    float m_sin[kHalf];
    short m_bitReverse[kHalf];
    float m_zr[kHalf];
    float m_zi[kHalf];
};

}  // namespace mood
