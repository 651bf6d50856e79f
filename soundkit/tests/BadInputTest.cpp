// Damaged, hostile and odd files: the check refuses them with a code, the information fails,
// and neither crashes nor hangs.
#include "SoundkitFiles.h"

#include <soundkit/Soundkit.h>

#include <testsupport/ScratchDir.h>
#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>

using namespace soundkit_test;
using testsupport::readFile;
using testsupport::writeCacheFile;

namespace {

struct BadCase {
    const char* label;
    std::function<std::string()> file;
};

std::ostream& operator<<(std::ostream& os, const BadCase& c) { return os << c.label; }

std::string randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 engine(seed);
    std::string s(n, '\0');
    for (auto& c : s) c = static_cast<char>(engine());
    return s;
}

std::string le64(std::uint64_t v) {
    std::string s;
    for (int i = 0; i < 8; ++i) s += static_cast<char>(v >> (8 * i));
    return s;
}

// A real WMA whose header object claims an absurd size.
std::string hugeAsfHeader(const std::string& name, std::uint64_t claimed) {
    std::string bytes = readFile(wma("wmav2", 44100, 2, 128000));
    bytes.replace(16, 8, le64(claimed));
    return writeCacheFile(name, bytes);
}

// A real WMA that ends right after its header and the data object's own header: no audio.
std::string wmaWithoutAudio() {
    const std::string bytes = readFile(wma("wmav2", 44100, 2, 128000));
    std::uint64_t headerSize = 0;
    for (int i = 7; i >= 0; --i) headerSize = headerSize << 8 | static_cast<unsigned char>(bytes[16 + i]);
    return writeCacheFile("sk_bad_noaudio.wma", bytes.substr(0, headerSize + 50));
}

const BadCase kCases[] = {
    {"RandomMp3", [] { return writeCacheFile("sk_bad_random.mp3", randomBytes(8192, 1)); }},
    {"RandomWma", [] { return writeCacheFile("sk_bad_random.wma", randomBytes(8192, 2)); }},
    {"AsfGuidThenRandom",
     [] { return writeCacheFile("sk_bad_asfrandom.wma", readFile(wma("wmav2", 44100, 2, 128000)).substr(0, 16) + randomBytes(4096, 3)); }},
    {"AsfHeaderClaims4GiB", [] { return hugeAsfHeader("sk_bad_asf4g.wma", 0xFFFFFFFFull); }},
    {"AsfHeaderClaimsAllOnes", [] { return hugeAsfHeader("sk_bad_asfmax.wma", ~0ull); }},
    {"AsfHeaderClaimsTooLittle", [] { return hugeAsfHeader("sk_bad_asf10.wma", 10); }},
    {"Id3TagClaims256MiBOfNothing",
     [] { return writeCacheFile("sk_bad_id3.mp3", std::string("ID3\x03\x00\x00\x7f\x7f\x7f\x7f", 10) + randomBytes(2000, 4)); }},
    {"Id3TagOnly", [] { return writeCacheFile("sk_bad_id3only.mp3", id3v2Tag(id3v2Frame("TIT2", 0, "x"))); }},
    {"ZerosMp3", [] { return writeCacheFile("sk_bad_zeros.mp3", std::string(100000, '\0')); }},
    {"OneByteWma", [] { return writeCacheFile("sk_bad_one.wma", "0"); }},
    {"WmaCutInsideHeader",
     [] { return writeCacheFile("sk_bad_cut.wma", readFile(wma("wmav2", 44100, 2, 128000)).substr(0, 100)); }},
    {"Mp3CutInsideFirstFrame",
     [] { return writeCacheFile("sk_bad_cut.mp3", readFile(mp3(44100, 2, 128000, "-write_xing 0 -id3v2_version 0")).substr(0, 3)); }},
    {"Fifo",
     [] {
         std::string path = testsupport::testCacheDir() + "/sk_bad_fifo.mp3";
         ::unlink(path.c_str());
         return ::mkfifo(path.c_str(), 0600) == 0 ? path : std::string();
     }},
};

class BadInputTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInputTest, IsRefusedPromptly) {
    std::string path = GetParam().file();
    ASSERT_FALSE(path.empty());
    auto start = std::chrono::steady_clock::now();
    CSoundkit kit;
    int code = kit.CheckFormat(path.c_str());
    EXPECT_TRUE(code == SK_CHECK_UNREADABLE || code == SK_CHECK_EXTENSION) << "code " << code;
    AVT_Tk_DetailInfo detail{};
    EXPECT_EQ(kit.GetInfo(path.c_str(), &detail, nullptr, nullptr), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

INSTANTIATE_TEST_SUITE_P(Files, BadInputTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.label); });

TEST(BadInput, HeadersWithoutTheirAudioAreNotPlayable) {
    const std::string cut = writeCacheFile(
        "sk_bad_cut1000.mp3", readFile(mp3(44100, 2, 128000, "", 30)).substr(0, 1000));
    for (const std::string& path : {wmaWithoutAudio(), cut}) {
        CSoundkit kit;
        EXPECT_EQ(kit.CheckFormat(path.c_str()), SK_CHECK_UNREADABLE) << path;
    }
}

TEST(BadInput, UnreadableFileIsRefused) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    testsupport::ScratchDir dir;
    std::string path = dir.file("locked.mp3");
    testsupport::writeFile(path, readFile(mp3(44100, 2, 128000)));
    ::chmod(path.c_str(), 0);
    CSoundkit kit;
    EXPECT_EQ(kit.CheckFormat(path.c_str()), SK_CHECK_UNREADABLE);
}

TEST(BadInput, EveryTruncationOfARealFileIsHandled) {
    // Cut points through the headers and into the audio of both formats.
    for (const std::string& source : {mp3(44100, 2, 128000), wma("wmav2", 44100, 2, 128000)}) {
        std::string bytes = readFile(source);
        std::string ext = source.substr(source.size() - 4);
        for (std::size_t cut : {0, 1, 4, 16, 29, 30, 64, 200, 400, 700, 1200, 3000}) {
            std::string path = writeCacheFile("sk_trunc" + ext, bytes.substr(0, cut));
            CSoundkit kit;
            int code = kit.CheckFormat(path.c_str());
            EXPECT_TRUE(code == SK_CHECK_OK || code == SK_CHECK_UNREADABLE) << source << " cut " << cut;
        }
    }
}

}  // namespace
