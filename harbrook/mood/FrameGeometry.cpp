#include <mood/FrameGeometry.h>

#include <mood/MoodConstants.h>

namespace mood {

namespace {

struct RateFrames {
    std::uint32_t rate;
    int samplesPerFrame;
};

constexpr RateFrames kRateFrames[] = {
    {8000, 1486},  {11025, 2048}, {12000, 2229}, {16000, 2972}, {22050, 4096},
    {24000, 4458}, {32000, 5944}, {44100, 8192}, {48000, 8916},
};

}  // namespace

int SamplesPerFrame(std::uint32_t sampleRate) {
    for (const auto& entry : kRateFrames)
        if (entry.rate == sampleRate) return entry.samplesPerFrame;
    return 0;
}

std::array<int, 9> AnalysableRates() {
    static_assert(std::size(kRateFrames) == 9);
    std::array<int, 9> rates{};
    for (std::size_t i = 0; i < rates.size(); ++i) rates[i] = static_cast<int>(kRateFrames[i].rate);
    return rates;
}

FrameGeometry MakeFrameGeometry(std::uint32_t sampleRate, int channels, int bitsPerSample) {
    FrameGeometry g;
    g.samplesPerFrame = SamplesPerFrame(sampleRate);
    g.channels = channels;
    g.bytesPerSample = bitsPerSample / 8;
    g.bytesPerFrame = g.samplesPerFrame * g.bytesPerSample * channels;
    if (g.samplesPerFrame % kFftSize == 0)
        g.decimationStep = g.samplesPerFrame / kFftSize;
    else
        g.decimationRatio = static_cast<float>(g.samplesPerFrame) * (1.0f / 1024.0f);
    return g;
}

bool IsAnalysableFormat(std::uint32_t sampleRate, int channels, int bitsPerSample) {
    return SamplesPerFrame(sampleRate) != 0 && (channels == 1 || channels == 2) &&
           (bitsPerSample == 8 || bitsPerSample == 16);
}

std::int64_t DurationMs(std::uint32_t dataSize, std::uint32_t sampleRate, int channels,
                        int bitsPerSample) {
    if (sampleRate == 0) return 0;
    const double d = dataSize;
    const double r = sampleRate;
    double seconds;
    if (channels == 2 && bitsPerSample == 16)
        seconds = d / (r * 4);
    else if (channels == 1 && bitsPerSample == 8)
        seconds = d / r;
    else
        seconds = d / (r * 2);
    return static_cast<std::int64_t>(seconds * 1000);
}

int FrameCount(std::int64_t durationMs) {
    const std::int64_t wholeSeconds = durationMs / 1000;
    const auto frames = static_cast<std::int64_t>(static_cast<double>(wholeSeconds) /
                                                  static_cast<double>(kFrameSeconds));
    return frames > kMaxFrames ? kMaxFrames : static_cast<int>(frames);
}

}  // namespace mood
