#include "ProbeCache.h"
#include "SoundkitFiles.h"

#include <soundkit/Soundkit.h>

#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <thread>

#include <filesystem>
#include <functional>

using namespace soundkit_test;

namespace {

struct CheckCase {
    const char* label;
    std::function<std::string()> file;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) { return os << c.label; }

std::string wma128() { return wma("wmav2", 44100, 2, 128000); }

const CheckCase kCases[] = {
    // MP3: the accepted frequencies, bit rates of both lists' edges, mono and stereo.
    {"Mp3_44100_128k_Stereo", [] { return mp3(44100, 2, 128000); }, SK_CHECK_OK},
    {"Mp3_44100_320k_Stereo", [] { return mp3(44100, 2, 320000); }, SK_CHECK_OK},
    {"Mp3_44100_32k_Mono", [] { return mp3(44100, 1, 32000); }, SK_CHECK_OK},
    {"Mp3_22050_64k_Mono", [] { return mp3(22050, 1, 64000); }, SK_CHECK_OK},
    {"Mp3_22050_144k_Stereo", [] { return mp3(22050, 2, 144000); }, SK_CHECK_OK},
    {"Mp3_11025_32k_Stereo", [] { return mp3(11025, 2, 32000); }, SK_CHECK_OK},
    {"Mp3_22050_24k_BitRateNotListed", [] { return mp3(22050, 1, 24000); }, SK_CHECK_BIT_RATE},
    {"Mp3_11025_8k_BitRateNotListed", [] { return mp3(11025, 1, 8000); }, SK_CHECK_BIT_RATE},
    {"Mp3_48000_RateRefused", [] { return mp3(48000, 2, 128000); }, SK_CHECK_SAMPLE_RATE},
    {"Mp3_8000_RateRefused", [] { return mp3(8000, 1, 16000); }, SK_CHECK_SAMPLE_RATE},
    {"Mp3_UpperCaseExtension", [] { return copyAs(mp3(44100, 2, 128000), "SK_UPPER.MP3"); }, SK_CHECK_OK},
    // WMA: constant bit rates, rounding to whole kbit/s, variable bit rate limits, other tags.
    {"Wma_128k", wma128, SK_CHECK_OK},
    {"Wma_48k", [] { return wma("wmav2", 44100, 2, 48000); }, SK_CHECK_OK},
    {"Wma_192k", [] { return wma("wmav2", 44100, 2, 192000); }, SK_CHECK_OK},
    {"Wma_96k_Mono", [] { return wma("wmav2", 44100, 1, 96000); }, SK_CHECK_OK},
    {"Wma_127600_RoundsUp", [] { return wma("wmav2", 44100, 2, 127600); }, SK_CHECK_OK},
    {"Wma_127400_RoundsDown", [] { return wma("wmav2", 44100, 2, 127400); }, SK_CHECK_BIT_RATE},
    {"Wma_112k_NotListed", [] { return wma("wmav2", 44100, 2, 112000); }, SK_CHECK_BIT_RATE},
    {"Wma_48000Hz", [] { return wma("wmav2", 48000, 2, 128000); }, SK_CHECK_SAMPLE_RATE},
    {"WmaVbr_112k", [] { return wma("wmav2", 44100, 2, 112000, "-metadata IsVBR=1"); }, SK_CHECK_OK},
    {"WmaVbr_30k_TooLow", [] { return wma("wmav2", 44100, 1, 30000, "-metadata IsVBR=1"); }, SK_CHECK_BIT_RATE},
    {"WmaVbr_355400_RoundsToLimit",
     [] { return patchWaveFormat(wma("wmav2", 44100, 2, 112000, "-metadata IsVBR=1"), "sk_vbr355400.wma", 8, 355400 / 8); },
     SK_CHECK_OK},
    {"WmaVbr_355600_AboveLimit",
     [] { return patchWaveFormat(wma("wmav2", 44100, 2, 112000, "-metadata IsVBR=1"), "sk_vbr355600.wma", 8, 355600 / 8); },
     SK_CHECK_BIT_RATE},
    {"WmaV1_FormatTag", [] { return wma("wmav1", 44100, 2, 128000); }, SK_CHECK_FORMAT_TAG},
    {"Wma_0x0162_FormatTag", [] { return patchWaveFormat(wma128(), "sk_tag162.wma", 0, 0x0162); }, SK_CHECK_FORMAT_TAG},
    {"Wma_SixChannels", [] { return patchWaveFormat(wma128(), "sk_six.wma", 2, 6); }, SK_CHECK_CHANNELS},
    // DRM is tested first, file size after the channels, both before the rates.
    {"Wma_Drm", [] { return withContentEncryption(wma128(), "sk_drm.wma"); }, SK_CHECK_DRM},
    {"Wma_DrmAt48000Hz", [] { return withContentEncryption(wma("wmav2", 48000, 2, 128000), "sk_drm48.wma"); }, SK_CHECK_DRM},
    {"Mp3_OneByteTooLarge", [] { return extended(mp3(44100, 2, 128000), "sk_huge.mp3", 209715201); }, SK_CHECK_FILE_SIZE},
    {"Mp3_ExactlyTheLimit", [] { return extended(mp3(44100, 2, 128000), "sk_limit.mp3", 209715200); }, SK_CHECK_OK},
    {"Mp3_TooLargeAt48000Hz", [] { return extended(mp3(48000, 2, 128000), "sk_huge48.mp3", 209715201); }, SK_CHECK_FILE_SIZE},
    // Names and contents that do not match.
    {"Wav_Extension", [] { return copyAs(mp3(44100, 2, 128000), "sk_named.wav"); }, SK_CHECK_EXTENSION},
    {"NoExtension", [] { return copyAs(mp3(44100, 2, 128000), "sk_noext"); }, SK_CHECK_EXTENSION},
    {"Mp3xExtension", [] { return copyAs(mp3(44100, 2, 128000), "sk_song.mp3x"); }, SK_CHECK_EXTENSION},
    {"WmaNamedMp3", [] { return copyAs(wma128(), "sk_wma_named.mp3"); }, SK_CHECK_OK},
    {"PcmNamedMp3",
     [] { return copyAs(testsupport::toneFile("sk_pcm.wav", 44100, 2, "pcm_s16le", 0, 1.0), "sk_pcm.mp3"); },
     SK_CHECK_FORMAT_TAG},
    {"Mp2NamedMp3",
     [] { return copyAs(testsupport::toneFile("sk_layer2.mp2", 44100, 2, "mp2", 128000, 1.0), "sk_layer2.mp3"); },
     SK_CHECK_FORMAT_TAG},
    {"EmptyMp3", [] { return testsupport::writeCacheFile("sk_empty.mp3", ""); }, SK_CHECK_UNREADABLE},
    {"EmptyWma", [] { return testsupport::writeCacheFile("sk_empty.wma", ""); }, SK_CHECK_UNREADABLE},
    {"TextNamedMp3", [] { return testsupport::writeCacheFile("sk_text.mp3", "hello, this is not music\n"); },
     SK_CHECK_UNREADABLE},
    {"TruncatedWmaHeader",
     [] { return testsupport::writeCacheFile("sk_cut.wma", testsupport::readFile(wma128()).substr(0, 300)); },
     SK_CHECK_UNREADABLE},
    {"MissingFile", [] { return testsupport::testCacheDir() + "/sk_missing.mp3"; }, SK_CHECK_UNREADABLE},
    {"FolderNamedMp3",
     [] {
         std::string dir = testsupport::testCacheDir() + "/sk_folder.mp3";
         std::filesystem::create_directories(dir);
         return dir;
     },
     SK_CHECK_UNREADABLE},
};

class CheckFormatTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckFormatTest, GivesTheExpectedCode) {
    std::string path = GetParam().file();
    ASSERT_FALSE(path.empty()) << "test file could not be made";
    CSoundkit kit;
    EXPECT_EQ(kit.CheckFormat(path.c_str()), GetParam().expected) << path;
}

INSTANTIATE_TEST_SUITE_P(Files, CheckFormatTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.label); });

TEST(CheckFormat, NullPathIsAnExtensionFailure) {
    CSoundkit kit;
    EXPECT_EQ(kit.CheckFormat(nullptr), SK_CHECK_EXTENSION);
}

TEST(CheckFormat, HugeId3TagBeforeTheAudioIsStillRead) {
    // A 3 MiB picture frame in front of the audio, as tagging tools write album art.
    std::string picture = id3v2Frame("APIC", 0, std::string("image/jpeg\0\x03\0", 13) + std::string(3 << 20, 'x'));
    std::string path = taggedMp3("sk_bigtag.mp3", id3v2Tag(picture), "");
    CSoundkit kit;
    EXPECT_EQ(kit.CheckFormat(path.c_str()), SK_CHECK_OK);
}

}  // namespace

namespace {

// One probe serves the check and the information while the file's size and time stay; any
// change of either is probed afresh.
TEST(CheckFormat, AnUnchangedFileIsProbedOnce) {
    testsupport::ScratchDir dir;
    const std::string path = dir.file("probed.mp3");
    testsupport::writeFile(path, testsupport::readFile(mp3(44100, 2, 128000)));
    namespace fs = std::filesystem;
    const auto past = fs::last_write_time(path) - std::chrono::seconds(10);
    fs::last_write_time(path, past);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));  // beyond the clock's tick
    CSoundkit kit;
    ASSERT_EQ(kit.CheckFormat(path.c_str()), SK_CHECK_OK);
    // The check's probe answers the information and the next check.
    auto& cache = soundkit::ProbeCache::instance();
    EXPECT_TRUE(cache.find(path, *soundkit::ProbeCache::stampOf(path), true));
    AVT_Tk_DetailInfo detail{};
    EXPECT_EQ(kit.GetInfo(path.c_str(), &detail, nullptr, nullptr), 1);

    // Other bytes under the same size and modification time (as `cp -p` leaves them) are
    // probed afresh.
    testsupport::writeFile(path, std::string(fs::file_size(path), '\0'));
    fs::last_write_time(path, past);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    EXPECT_EQ(kit.CheckFormat(path.c_str()), SK_CHECK_UNREADABLE);
}

}  // namespace
