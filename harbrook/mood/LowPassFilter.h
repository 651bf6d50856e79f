#pragma once
// The fixed fourth-order low-pass in front of the decimation: two cascaded second-order sections
// with 32-bit float coefficients per sample rate (-3 dB near 1.44 kHz, DC gain about 0.944).
// The state carries from frame to frame within a track.
#include <cstdint>

namespace mood {

class LowPassFilter {
public:
    // Loads the coefficients for `sampleRate`. A rate outside the table leaves the filter as it
    // was and returns false.
    bool Configure(std::uint32_t sampleRate);
    void ClearState();

    // Filters `count` samples from `in` to `out` (which may be the same buffer). Each output is
    // truncated toward zero and saturated to the 16-bit range.
    void Process(const std::int16_t* in, std::int16_t* out, int count);

private:
    struct Section {
        float a1 = 0, a2 = 0;
        float b0 = 0, b1 = 0, b2 = 0;
        float w1 = 0, w2 = 0;
    };
    Section m_sections[2];
};

}  // namespace mood
