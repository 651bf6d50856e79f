#include "TestWave.h"

#include <mood/FrameGeometry.h>
#include <mood/MoodConstants.h>
#include <mood/WaveSource.h>

#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using mood::WaveSource;
using moodtest::WaveHeader;
using moodtest::WaveLayout;

class WaveSourceTest : public ::testing::Test {
protected:
    // Writes `header` followed by `samples` and opens it.
    int OpenBytes(const std::string& header, const std::string& samples = "") {
        testsupport::writeFile(m_path, header + samples);
        return m_source.Open(m_path.c_str());
    }

    testsupport::ScratchDir m_dir;
    std::string m_path = m_dir.file("in.wav");
    WaveSource m_source;
};

TEST_F(WaveSourceTest, PlainHeaderEndsAtTheFirstSample) {
    WaveLayout layout;
    layout.sampleRate = 44100;
    layout.channels = 2;
    ASSERT_EQ(OpenBytes(WaveHeader(layout, 4), "\x01\x02\x03\x04"), WaveSource::kOpened);
    EXPECT_EQ(m_source.SampleRate(), 44100u);
    EXPECT_EQ(m_source.Channels(), 2);
    EXPECT_EQ(m_source.BitsPerSample(), 16);
    EXPECT_EQ(m_source.DataSize(), 4u);
    EXPECT_EQ(m_source.HeaderBytes(), 44u);
    char sample[4];
    ASSERT_EQ(m_source.Read(sample, 4), 4u);
    EXPECT_EQ(std::string(sample, 4), "\x01\x02\x03\x04");
}

TEST_F(WaveSourceTest, EighteenByteFormatChunkSkipsTwoBytes) {
    WaveLayout layout;
    layout.formatChunkSize = 18;  // what the decoder writes
    ASSERT_EQ(OpenBytes(WaveHeader(layout, 2), "\x7F\x01"), WaveSource::kOpened);
    EXPECT_EQ(m_source.HeaderBytes(), 46u);
    char sample[2];
    ASSERT_EQ(m_source.Read(sample, 2), 2u);
    EXPECT_EQ(std::string(sample, 2), "\x7F\x01");
}

TEST_F(WaveSourceTest, FactChunkIsAccepted) {
    WaveLayout layout;
    layout.factChunk = true;
    ASSERT_EQ(OpenBytes(WaveHeader(layout, 200), std::string(200, '\0')), WaveSource::kOpened);
    EXPECT_EQ(m_source.FactSampleCount(), 100u);
    EXPECT_EQ(m_source.DataSize(), 200u);
}

TEST_F(WaveSourceTest, DataIsWhatTheFileHoldsNotWhatTheHeaderClaims) {
    // Written to a pipe: the header could not be finished and claims 4 GiB.
    WaveLayout layout;
    layout.dataSizeOverride = 0xFFFFFFFF;
    ASSERT_EQ(OpenBytes(WaveHeader(layout, 0), "abcdef"), WaveSource::kOpened);
    EXPECT_EQ(m_source.DataSize(), 6u);
    // A chunk after the samples is not read as samples.
    ASSERT_EQ(OpenBytes(WaveHeader(WaveLayout{}, 4), "abcdLIST\4\0\0\0xxxx"), WaveSource::kOpened);
    char samples[64];
    EXPECT_EQ(m_source.Read(samples, sizeof samples), 4u);
    EXPECT_EQ(m_source.Read(samples, sizeof samples), 0u);
}

TEST_F(WaveSourceTest, OnlyRegularFilesAreOpened) {
    const std::string fifo = m_dir.file("pipe.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(m_source.Open(fifo.c_str()), WaveSource::kOpenFailed);
    EXPECT_EQ(m_source.Open(m_dir.path().c_str()), WaveSource::kOpenFailed);
}

TEST_F(WaveSourceTest, ListChunkBeforeDataIsRefused) {
    WaveLayout layout;
    layout.listChunk = true;
    EXPECT_EQ(OpenBytes(WaveHeader(layout, 200)), WaveSource::kBadHeader);
    EXPECT_FALSE(m_source.IsOpen());
    EXPECT_EQ(m_source.SampleRate(), 0u);
}

TEST_F(WaveSourceTest, EveryTruncatedHeaderIsRefused) {
    WaveLayout layout;
    layout.formatChunkSize = 18;
    layout.factChunk = true;
    const std::string header = WaveHeader(layout, 0);
    for (std::size_t cut = 0; cut < header.size(); ++cut)
        EXPECT_EQ(OpenBytes(header.substr(0, cut)), WaveSource::kBadHeader) << cut;
}

TEST_F(WaveSourceTest, HugeFormatChunkRunsOutOfFileInsteadOfAllocating) {
    std::string header = WaveHeader(WaveLayout{}, 0).substr(0, 36);
    header.replace(16, 4, "\xF0\xFF\xFF\xFF");  // format chunk size
    EXPECT_EQ(OpenBytes(header, std::string(1000, 'x')), WaveSource::kBadHeader);
}

TEST_F(WaveSourceTest, OverlongPathIsNotCutToAnotherFile) {
    testsupport::writeFile(m_path, WaveHeader(WaveLayout{}, 0));
    // The same file named by a path of 4095 bytes ("dir/././.../in.wav").
    std::string longest = m_dir.path().string() + "/";
    if ((longest.size() + 6) % 2 == 0) longest += "/";
    while (longest.size() + 6 < 4095) longest += "./";
    longest += "in.wav";
    ASSERT_EQ(longest.size(), 4095u);
    EXPECT_EQ(m_source.Open(longest.c_str()), WaveSource::kOpened);
    EXPECT_EQ(m_source.Open((longest + "x").c_str()), WaveSource::kOpenFailed);
}

TEST_F(WaveSourceTest, MissingFileCannotBeOpened) {
    EXPECT_EQ(m_source.Open(m_dir.file("absent.wav").c_str()), WaveSource::kOpenFailed);
    char byte;
    EXPECT_EQ(m_source.Read(&byte, 1), 0u);
}

struct DurationCase {
    std::uint32_t dataSize, rate;
    int channels, bits;
    std::int64_t durationMs;
    int frames;
};

class FrameCountTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(FrameCountTest, DurationAndFrames) {
    const DurationCase& c = GetParam();
    const std::int64_t ms = mood::DurationMs(c.dataSize, c.rate, c.channels, c.bits);
    EXPECT_EQ(ms, c.durationMs);
    if (ms >= mood::kMinDurationMs) {
        EXPECT_EQ(mood::FrameCount(ms), c.frames);
    }
}

// 60 s is 60 / 0.1857596 = 322.998 frames, truncated to 322; ten minutes are cut to 1937 frames.
INSTANTIATE_TEST_SUITE_P(
    Formats, FrameCountTest,
    ::testing::Values(DurationCase{60 * 176400, 44100, 2, 16, 60000, 322},
                      DurationCase{60 * 44100 - 4410, 44100, 1, 8, 59900, 0},
                      DurationCase{600 * 22050, 11025, 1, 16, 600000, 1937},
                      DurationCase{360 * 96000, 48000, 1, 16, 360000, 1937},
                      DurationCase{90 * 16000, 8000, 2, 8, 90000, 484},
                      DurationCase{100, 0, 2, 16, 0, 0}));

TEST(FrameGeometryTest, DecimationByStepOrRatio) {
    const mood::FrameGeometry cd = mood::MakeFrameGeometry(44100, 2, 16);
    EXPECT_EQ(cd.samplesPerFrame, 8192);
    EXPECT_EQ(cd.bytesPerFrame, 32768);
    EXPECT_EQ(cd.decimationStep, 8);
    const mood::FrameGeometry dat = mood::MakeFrameGeometry(48000, 1, 8);
    EXPECT_EQ(dat.bytesPerFrame, 8916);
    EXPECT_EQ(dat.decimationStep, 0);
    EXPECT_FLOAT_EQ(dat.decimationRatio, 8916.0f / 1024.0f);
    EXPECT_FALSE(mood::IsAnalysableFormat(96000, 2, 16));
    EXPECT_FALSE(mood::IsAnalysableFormat(44100, 6, 16));
    EXPECT_FALSE(mood::IsAnalysableFormat(44100, 2, 24));
    EXPECT_TRUE(mood::IsAnalysableFormat(8000, 1, 8));
}

}  // namespace
