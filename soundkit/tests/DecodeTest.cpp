#include "SoundkitFiles.h"
#include "WavWriter.h"

#include <soundkit/Soundkit.h>

#include <platform/MessageNumbers.h>
#include <testsupport/RecordingTarget.h>
#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

using namespace soundkit_test;
using testsupport::readFile;
using testsupport::RecordingTarget;
using testsupport::ScratchDir;

namespace {

constexpr unsigned kProgress = platform::msg::kDecodeProgress;
constexpr unsigned kDone = 1399;

std::string le(std::uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>(v >> (8 * i));
    return s;
}

// The header a WAV of `fileSize` bytes with these parameters must start with, spelled out.
std::string expectedHeader(std::uint32_t fileSize, int rate, int channels) {
    return "RIFF" + le(fileSize - 8, 4) + "WAVE" + "fmt " + le(18, 4) + le(1, 2) + le(channels, 2) +
           le(rate, 4) + le(rate * channels * 2, 4) + le(channels * 2, 2) + le(16, 2) + le(0, 2) +
           "data" + le(fileSize - 46, 4);
}

struct DecodeCase {
    const char* label;
    std::function<std::string()> file;
    int rate;
    int channels;
    double seconds;
    double tolerance;  // seconds of encoder padding the decoder may keep
};

std::ostream& operator<<(std::ostream& os, const DecodeCase& c) { return os << c.label; }

const DecodeCase kCases[] = {
    {"Pcm3sStereo44100", [] { return testsupport::toneFile("sk_dec_pcm.wav", 44100, 2, "pcm_s16le", 0, 3.0, "-fflags +bitexact"); },
     44100, 2, 3.0, 0.0},
    {"Mp3_3sStereo44100", [] { return mp3(44100, 2, 128000, "", 3.0); }, 44100, 2, 3.0, 0.03},
    {"Mp3Mono22050", [] { return mp3(22050, 1, 64000, "", 2.0); }, 22050, 1, 2.0, 0.06},
    {"Mp3At48000", [] { return mp3(48000, 2, 128000, "", 1.0); }, 48000, 2, 1.0, 0.03},
    {"Wma44100Stereo", [] { return wma("wmav2", 44100, 2, 128000, "", 2.0); }, 44100, 2, 2.0, 0.1},
    {"WmaMono", [] { return wma("wmav2", 44100, 1, 64000, "", 1.0); }, 44100, 1, 1.0, 0.1},
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, WritesHeaderAndSamples) {
    const DecodeCase& c = GetParam();
    std::string source = c.file();
    ASSERT_FALSE(source.empty());
    ScratchDir dir;
    std::string out = dir.file("out.wav");
    RecordingTarget target;
    CSoundkit kit(&target, kProgress, kDone);
    ASSERT_EQ(kit.DecodeRun(source.c_str(), out.c_str()), 1);

    std::string wav = readFile(out);
    ASSERT_GE(wav.size(), 46u);
    EXPECT_EQ(wav.substr(0, 46), expectedHeader(static_cast<std::uint32_t>(wav.size()), c.rate, c.channels));
    std::size_t frameBytes = static_cast<std::size_t>(2 * c.channels);
    EXPECT_EQ((wav.size() - 46) % frameBytes, 0u);
    double seconds = double(wav.size() - 46) / double(frameBytes * static_cast<std::size_t>(c.rate));
    EXPECT_NEAR(seconds, c.seconds, c.tolerance + 1e-9);

    // Progress: wParam 0, percentages rising, each at most once; one completion, last.
    auto all = target.messages();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().message, kDone);
    EXPECT_EQ(target.messages(kDone).size(), 1u);
    platform::LParam last = 0;
    for (const auto& m : target.messages(kProgress)) {
        EXPECT_EQ(m.wParam, 0u);
        EXPECT_GT(m.lParam, last);
        EXPECT_LE(m.lParam, 100);
        last = m.lParam;
    }
    EXPECT_GE(last, 50) << "progress should cover most of the file";
}

INSTANTIATE_TEST_SUITE_P(Files, DecodeTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.label); });

TEST(Decode, PcmSourceComesOutByteForByte) {
    std::string source = testsupport::toneFile("sk_dec_pcm.wav", 44100, 2, "pcm_s16le", 0, 3.0, "-fflags +bitexact");
    ScratchDir dir;
    CSoundkit kit;
    ASSERT_EQ(kit.DecodeRun(source.c_str(), dir.file("out.wav").c_str()), 1);
    std::string wav = readFile(dir.file("out.wav"));
    ASSERT_EQ(wav.size(), 46u + 3 * 176400u);
    EXPECT_EQ(wav[16], 18);
    EXPECT_EQ(wav[20], 1);
    std::string pcm = readFile(source);
    EXPECT_TRUE(wav.compare(46, std::string::npos, pcm, pcm.size() - 3 * 176400) == 0);
}

TEST(Decode, StaleLongerOutputIsReplacedWhole) {
    ScratchDir dir;
    std::string out = dir.file("reused.wav");
    testsupport::writeFile(out, std::string(4 << 20, '\x7f'));
    std::string source = mp3(44100, 2, 128000);
    CSoundkit kit;
    ASSERT_EQ(kit.DecodeRun(source.c_str(), out.c_str()), 1);
    std::string wav = readFile(out);
    EXPECT_LT(wav.size(), 1u << 20);
    EXPECT_EQ(wav.substr(42, 4), le(static_cast<std::uint32_t>(wav.size() - 46), 4));
}

struct FailCase {
    const char* label;
    std::function<std::string()> file;
};

std::ostream& operator<<(std::ostream& os, const FailCase& c) { return os << c.label; }

const FailCase kFailCases[] = {
    {"MissingSource", [] { return testsupport::testCacheDir() + "/sk_dec_missing.mp3"; }},
    {"EmptySource", [] { return testsupport::writeCacheFile("sk_dec_empty.mp3", ""); }},
    {"RandomBytes", [] { return testsupport::writeCacheFile("sk_dec_text.wma", std::string(5000, 'x')); }},
    {"WmaNotPcmConvertible", [] { return patchWaveFormat(wma("wmav2", 44100, 2, 128000), "sk_dec162.wma", 0, 0x0162); }},
};

class DecodeFailureTest : public ::testing::TestWithParam<FailCase> {};

TEST_P(DecodeFailureTest, FailsWithoutTouchingTheOutputAndStillCompletes) {
    std::string source = GetParam().file();
    ScratchDir dir;
    std::string out = dir.file("out.wav");
    testsupport::writeFile(out, "previous content");
    RecordingTarget target;
    CSoundkit kit(&target, kProgress, kDone);
    EXPECT_EQ(kit.DecodeRun(source.c_str(), out.c_str()), 0);
    EXPECT_EQ(readFile(out), "previous content");
    ASSERT_EQ(target.messages(kDone).size(), 1u);
    EXPECT_EQ(target.messages(kDone)[0].lParam, 0);
}

INSTANTIATE_TEST_SUITE_P(Sources, DecodeFailureTest, ::testing::ValuesIn(kFailCases),
                         [](const auto& param) { return std::string(param.param.label); });

TEST(Decode, NullPathsFailAndComplete) {
    RecordingTarget target;
    CSoundkit kit(&target, kProgress, kDone);
    EXPECT_EQ(kit.DecodeRun(nullptr, "/tmp/x.wav"), 0);
    std::string source = mp3(44100, 2, 128000);
    EXPECT_EQ(kit.DecodeRun(source.c_str(), nullptr), 0);
    EXPECT_EQ(target.messages(kDone).size(), 2u);
}

// A target that holds the decoding thread at its first progress message until released.
class GateTarget : public platform::MessageTarget {
public:
    void post(unsigned message, platform::WParam, platform::LParam) override {
        if (message != kProgress) return;
        std::unique_lock lock(m_mutex);
        if (m_reached) return;
        m_reached = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
    }
    platform::LParam send(unsigned, platform::WParam, platform::LParam) override { return 0; }
    void waitUntilReached() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_reached; });
    }
    void open() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_reached = false;
    bool m_open = false;
};

class DecodeThreadTest : public ::testing::Test {
protected:
    // Starts decoding a 30-second file on a worker thread and waits until it is under way.
    void startDecode() {
        m_source = mp3(22050, 2, 64000, "", 30.0);
        m_worker = std::thread([this] { m_result = m_kit.DecodeRun(m_source.c_str(), m_dir.file("a.wav").c_str()); });
        m_gate.waitUntilReached();
    }
    void finish() {
        if (m_worker.joinable()) m_worker.join();
    }
    ~DecodeThreadTest() override {
        m_gate.open();
        finish();
    }

    ScratchDir m_dir;
    GateTarget m_gate;
    CSoundkit m_kit{&m_gate, kProgress, 0};
    std::string m_source;
    std::thread m_worker;
    int m_result = -1;
};

TEST_F(DecodeThreadTest, StopFromAnotherThreadEndsTheRunPromptly) {
    startDecode();
    EXPECT_EQ(m_kit.DecodeStop(), 1);
    auto start = std::chrono::steady_clock::now();
    m_gate.open();
    finish();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(m_result, 0);
}

TEST_F(DecodeThreadTest, StopThroughAnotherObjectAlsoFailsTheRun) {
    startDecode();
    CSoundkit other;
    EXPECT_EQ(other.DecodeStop(), 1);
    m_gate.open();
    finish();
    EXPECT_EQ(m_result, 0);
}

TEST_F(DecodeThreadTest, DecodesRunSideBySideAndOneStopReachesAll) {
    startDecode();
    CSoundkit second;
    std::string source = mp3(44100, 2, 128000);
    EXPECT_EQ(second.DecodeRun(source.c_str(), m_dir.file("b.wav").c_str()), 1);
    int thirdResult = -1;
    GateTarget thirdGate;
    std::thread third([&] {
        CSoundkit kit(&thirdGate, kProgress, 0);
        thirdResult = kit.DecodeRun(m_source.c_str(), m_dir.file("c.wav").c_str());
    });
    thirdGate.waitUntilReached();
    EXPECT_EQ(CSoundkit().DecodeStop(), 1);
    m_gate.open();
    thirdGate.open();
    third.join();
    finish();
    EXPECT_EQ(m_result, 0);
    EXPECT_EQ(thirdResult, 0);
}

// Any audio file becomes 16-bit PCM of at most two channels at a rate of the given list.
TEST(DecodeAny, ReadsOtherFormatsIntoTheAskedForm) {
    const int kept[] = {22050, 44100};
    const SoundkitPcmForm form{2, kept, 2, 44100};
    struct {
        std::string file;
        int rate, channels;
    } cases[] = {
        {testsupport::toneFile("sk_any.flac", 22050, 1, "flac", 0, 1.0), 22050, 1},
        {testsupport::toneFile("sk_any96.wav", 96000, 6, "pcm_s24le", 0, 1.0, "-metadata title=x"),
         44100, 2},
        {testsupport::toneFile("sk_any.ogg", 48000, 2, "libvorbis", 0, 1.0), 44100, 2},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        ASSERT_FALSE(c.file.empty());
        SoundkitDecodeError error = SoundkitDecodeError::Stopped;
        ASSERT_EQ(CSoundkit().DecodeAnyRun(c.file.c_str(), dir.file("o.wav").c_str(), form, &error),
                  1)
            << c.file;
        EXPECT_EQ(error, SoundkitDecodeError::None);
        const std::string wav = readFile(dir.file("o.wav"));
        EXPECT_EQ(wav.substr(0, 46),
                  expectedHeader(static_cast<std::uint32_t>(wav.size()), c.rate, c.channels));
        EXPECT_NEAR(double(wav.size() - 46) / (2.0 * c.channels * c.rate), 1.0, 0.05) << c.file;
    }
    testsupport::writeCacheFile("sk_any.txt", "just text");
    const std::pair<std::string, SoundkitDecodeError> refused[] = {
        {dir.file("absent.flac"), SoundkitDecodeError::CannotOpen},
        {testsupport::testCacheDir() + "/sk_any.txt", SoundkitDecodeError::NotAudio},
    };
    for (const auto& [file, expected] : refused) {
        SoundkitDecodeError error = SoundkitDecodeError::None;
        EXPECT_EQ(CSoundkit().DecodeAnyRun(file.c_str(), dir.file("o2.wav").c_str(), form, &error),
                  0);
        EXPECT_EQ(error, expected) << file;
    }
}

TEST(Decode, StopWithoutARunningDecodeIsHarmless) {
    CSoundkit kit;
    EXPECT_EQ(kit.DecodeStop(), 1);
    ScratchDir dir;
    std::string source = mp3(44100, 2, 128000);
    EXPECT_EQ(kit.DecodeRun(source.c_str(), dir.file("out.wav").c_str()), 1);
}

TEST(WavWriter, RefusesToGrowPastWhatTheHeaderCanDescribe) {
    ScratchDir dir;
    soundkit::WavWriter writer(46 + 8);
    ASSERT_TRUE(writer.open(dir.file("limit.wav")));
    const std::uint8_t samples[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_TRUE(writer.write(samples, 8));
    EXPECT_FALSE(writer.write(samples, 2));
    EXPECT_TRUE(writer.finish(8000, 1));
    EXPECT_EQ(readFile(dir.file("limit.wav")),
              expectedHeader(54, 8000, 1) + std::string(reinterpret_cast<const char*>(samples), 8));
}

}  // namespace
