#pragma once
// How a track's PCM is cut into analysis frames: every frame lasts about 0.18576 s whatever the
// sample rate, and is decimated to 1024 samples.
#include <array>
#include <cstdint>

namespace mood {

struct FrameGeometry {
    int samplesPerFrame = 0;   // 0 for a rate outside the table
    int channels = 0;
    int bytesPerSample = 0;
    int bytesPerFrame = 0;
    int decimationStep = 0;       // when samplesPerFrame is a multiple of 1024, else 0
    float decimationRatio = 0.0f; // samplesPerFrame / 1024 otherwise
};

// Samples per frame for a sample rate; 0 when the rate is not one of the nine supported.
int SamplesPerFrame(std::uint32_t sampleRate);
// The nine supported sample rates, rising.
std::array<int, 9> AnalysableRates();

FrameGeometry MakeFrameGeometry(std::uint32_t sampleRate, int channels, int bitsPerSample);

// Whether the frame loop can read this format: a supported rate, one or two channels, 8 or 16 bits.
bool IsAnalysableFormat(std::uint32_t sampleRate, int channels, int bitsPerSample);

// Track duration in milliseconds from the data size, truncated.
std::int64_t DurationMs(std::uint32_t dataSize, std::uint32_t sampleRate, int channels,
                        int bitsPerSample);

// Frames analysed for a duration: whole seconds over the frame time, at most kMaxFrames.
int FrameCount(std::int64_t durationMs);

}  // namespace mood
