#include <mood/FrameGeometry.h>
#include <mood/FrameSignal.h>
#include <mood/FrameSpectrum.h>
#include <mood/LowPassFilter.h>
#include <mood/RealFft.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Steady-state output of the filter for a constant or a sine input at `rate`.
double FilterGain(std::uint32_t rate, double frequency) {
    mood::LowPassFilter filter;
    EXPECT_TRUE(filter.Configure(rate));
    filter.ClearState();
    const int n = static_cast<int>(rate);  // one second
    std::vector<std::int16_t> in(n), out(n);
    for (int i = 0; i < n; ++i)
        in[i] = static_cast<std::int16_t>(
            frequency == 0 ? 10000 : std::lround(10000 * std::sin(2 * kPi * frequency * i / rate)));
    filter.Process(in.data(), out.data(), n);
    int largest = 0;
    for (int i = n / 2; i < n; ++i) largest = std::max(largest, std::abs(static_cast<int>(out[i])));
    return largest / 10000.0;
}

class LowPassFilterTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(LowPassFilterTest, PassesBassAndCutsAboveTheChromaRange) {
    const std::uint32_t rate = GetParam();
    EXPECT_NEAR(FilterGain(rate, 0), 0.944, 0.01);
    EXPECT_NEAR(FilterGain(rate, 440), 0.97, 0.04);  // a slight rise before the corner
    EXPECT_NEAR(FilterGain(rate, 1440), 0.944 / std::sqrt(2.0), 0.12);
    EXPECT_LT(FilterGain(rate, 3600), 0.05);
}

INSTANTIATE_TEST_SUITE_P(EveryRate, LowPassFilterTest,
                         ::testing::Values(8000u, 11025u, 12000u, 16000u, 22050u, 24000u,
                                           32000u, 44100u, 48000u));

TEST(LowPassFilterTest, UnknownRateKeepsTheCoefficients) {
    mood::LowPassFilter filter;
    ASSERT_TRUE(filter.Configure(44100));
    EXPECT_FALSE(filter.Configure(96000));
    filter.ClearState();
    std::int16_t in[4096], out[4096];
    std::fill(std::begin(in), std::end(in), 10000);
    filter.Process(in, out, 4096);
    EXPECT_NEAR(out[4095], 9440, 60);
}

TEST(RealFftTest, MatchesTheTransformWithTheSameAngleStep) {
    std::mt19937 engine(7);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    float input[mood::kFftSize];
    for (float& v : input) v = value(engine);
    float re[mood::kBins], im[mood::kBins];
    auto fft = std::make_unique<mood::RealFft>();
    fft->Forward(input, re, im);
    for (int k : {0, 1, 17, 100, 255, 256, 400, 511}) {
        double sr = 0, si = 0;
        for (int n = 0; n < mood::kFftSize; ++n) {
            const double angle = static_cast<double>(mood::kAngleStep) * ((k * n) % 1024);
            sr += input[n] * std::cos(angle);
            si -= input[n] * std::sin(angle);
        }
        EXPECT_NEAR(re[k], sr / 32, 2e-3) << k;
        EXPECT_NEAR(im[k], si / 32, 2e-3) << k;
    }
}

// Runs one frame of a 440 Hz tone through the signal path at 11025 Hz.
mood::FrameSpectrum SpectrumOfFrame(const std::vector<std::uint8_t>& raw, int bits) {
    auto signal = std::make_unique<mood::FrameSignal>();
    auto analyser = std::make_unique<mood::SpectrumAnalyser>();
    signal->Reset(mood::MakeFrameGeometry(11025, 1, bits), 11025);
    std::vector<float> decimated(mood::kFftSize);
    mood::FrameSpectrum spectrum{};
    // The second frame, once the filter has settled.
    signal->Process(raw.data(), decimated.data());
    const int peak = signal->Process(raw.data() + raw.size() / 2, decimated.data());
    analyser->Analyse(decimated.data(), peak, spectrum);
    return spectrum;
}

TEST(FrameSignalTest, EightBitInputGivesTheSixteenBitSpectrumUpToQuantisation) {
    const int samples = 2 * 2048;
    std::vector<std::uint8_t> eight(samples);
    std::vector<std::uint8_t> sixteen(2 * samples);
    for (int n = 0; n < samples; ++n) {
        const double v = 0.8 * std::sin(2 * kPi * 440 * n / 11025.0) +
                         0.3 * std::sin(2 * kPi * 660 * n / 11025.0);
        const int b = static_cast<int>(std::lround(v * 127)) + 128;
        eight[n] = static_cast<std::uint8_t>(b);
        const int s = (b - 128) * 256;
        sixteen[2 * n] = static_cast<std::uint8_t>(s & 0xFF);
        sixteen[2 * n + 1] = static_cast<std::uint8_t>((s >> 8) & 0xFF);
    }
    const mood::FrameSpectrum a = SpectrumOfFrame(eight, 8);
    const mood::FrameSpectrum b = SpectrumOfFrame(sixteen, 16);
    int strongest = 0;
    for (int k = 0; k < mood::kBins; ++k) {
        if (a.db[k] > a.db[strongest]) strongest = k;
        // Quantisation noise of 8 bits lies about 48 dB down; above it the spectra agree.
        if (b.db[k] > -40.0f) {
            EXPECT_NEAR(a.db[k], b.db[k], 0.5) << k;
        }
    }
    EXPECT_EQ(strongest, 82);  // 440 Hz at 11025 / 2 / 1024 Hz per bin
    EXPECT_NEAR(a.peak, b.peak, 300);
    EXPECT_EQ(a.gainShift, b.gainShift);
}

TEST(FrameSignalTest, SilenceIsTheFloorWithUnitGain) {
    std::vector<std::uint8_t> raw(2 * 2 * 2048, 0);  // zero samples become 1 before filtering
    const mood::FrameSpectrum s = SpectrumOfFrame(raw, 16);
    EXPECT_EQ(s.peak, 0);
    // The tiny DC of the 1s gives every bin a value at or above the floor.
    for (float v : s.db) EXPECT_GE(v, -90.01f);
}

TEST(FrameSignalTest, RatioDecimationStaysInsideTheFrame) {
    for (std::uint32_t rate : {8000u, 12000u, 16000u, 24000u, 32000u, 48000u}) {
        const mood::FrameGeometry g = mood::MakeFrameGeometry(rate, 2, 16);
        ASSERT_EQ(g.decimationStep, 0);
        EXPECT_LT(static_cast<int>(std::ceil(1023 * g.decimationRatio)), g.samplesPerFrame);
    }
}

}  // namespace
