#include <mood/RealFft.h>

#include <cmath>
#include <utility>

namespace mood {

RealFft::RealFft() {
    for (int k = 0; k < kHalf; ++k) {
        const double angle = static_cast<double>(k) * static_cast<double>(kAngleStep);
        m_cos[k] = static_cast<float>(std::cos(angle));
        m_sin[k] = static_cast<float>(std::sin(angle));
        int reversed = 0;
        for (int bit = 1, value = k; bit < kHalf; bit <<= 1, value >>= 1)
            reversed = (reversed << 1) | (value & 1);
        m_bitReverse[k] = static_cast<short>(reversed);
    }
    for (int k = 0; k < kHalf; ++k) m_zr[k] = m_zi[k] = 0.0f;
}

void RealFft::Forward(const float* input, float* re, float* im) {
    // Even samples as the real part, odd samples as the imaginary part, in bit-reversed order.
    for (int n = 0; n < kHalf; ++n) {
        const int r = m_bitReverse[n];
        m_zr[r] = input[2 * n];
        m_zi[r] = input[2 * n + 1];
    }
    ComplexFft();

    // Split the half-length transform Z into the transform X of the real input:
    // X[k] = (Z[k] + conj Z[-k]) / 2 - i e^(-ik step) (Z[k] - conj Z[-k]) / 2.
    constexpr float kScale = 1.0f / 32.0f;
    for (int k = 0; k < kHalf; ++k) {
        const int m = (kHalf - k) & (kHalf - 1);
        const float evenRe = 0.5f * (m_zr[k] + m_zr[m]);
        const float evenIm = 0.5f * (m_zi[k] - m_zi[m]);
        const float oddRe = 0.5f * (m_zi[k] + m_zi[m]);
        const float oddIm = -0.5f * (m_zr[k] - m_zr[m]);
        const float c = m_cos[k];
        const float s = m_sin[k];
        re[k] = (evenRe + c * oddRe + s * oddIm) * kScale;
        im[k] = (evenIm + c * oddIm - s * oddRe) * kScale;
    }
}

void RealFft::ComplexFft() {
    // Iterative radix-2 decimation in time; a stage of span `half` uses every (256 / half)-th
    // twiddle of the 1024-point table doubled, i.e. angle 2 * j * stride * step.
    for (int half = 1; half < kHalf; half <<= 1) {
        const int stride = kHalf / (2 * half);
        for (int start = 0; start < kHalf; start += 2 * half) {
            for (int j = 0; j < half; ++j) {
                const int t = 2 * j * stride;
                const float wr = m_cos[t];
                const float wi = -m_sin[t];
                const int a = start + j;
                const int b = a + half;
                const float xr = m_zr[b] * wr - m_zi[b] * wi;
                const float xi = m_zr[b] * wi + m_zi[b] * wr;
                m_zr[b] = m_zr[a] - xr;
                m_zi[b] = m_zi[a] - xi;
                m_zr[a] += xr;
                m_zi[a] += xi;
            }
        }
    }
}

}  // namespace mood
