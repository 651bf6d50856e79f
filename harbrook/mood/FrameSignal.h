#pragma once
// The signal path of one frame before the FFT: 8-bit widening, down-mix to mono, the low-pass
// filter and the decimation to 1024 float samples, recording the frame's peak on the way.
#include <mood/FrameGeometry.h>
#include <mood/LowPassFilter.h>
#include <mood/MoodConstants.h>

#include <cstdint>

namespace mood {

class FrameSignal {
public:
    // Per track: the frame layout, the filter for the rate (an unsupported rate leaves the
    // coefficients as they were) and a cleared filter state.
    void Reset(const FrameGeometry& geometry, std::uint32_t sampleRate);

    // Turns one raw frame (geometry.bytesPerFrame bytes) into 1024 samples in -1 ... 1 and
    // returns the frame peak: the largest absolute 16-bit value among the decimated samples.
    int Process(const std::uint8_t* raw, float* decimated);

private:
    const std::int16_t* Widen(const std::uint8_t* raw);
    void DownMix(const std::int16_t* interleaved);
    int Decimate(float* decimated) const;

    FrameGeometry m_geometry;
    LowPassFilter m_filter;
    std::int16_t m_wide[kMaxSamplesPerFrame * kMaxChannels] = {};
    std::int16_t m_mono[kMaxSamplesPerFrame] = {};  // filtered in place
};

}  // namespace mood
