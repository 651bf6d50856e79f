#include "ContainerSniff.h"
#include "MpegAudioHeader.h"
#include "SoundkitFiles.h"

#include <testsupport/TestAudio.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace soundkit_test;
using soundkit::ContainerSniff;

namespace {

std::string named(const char* demuxer) { return demuxer ? demuxer : "(FFmpeg probes)"; }

std::string sniff(const std::string& path) { return named(ContainerSniff::demuxerFor(path)); }

std::string untaggedFrames() {
    std::ifstream in(taggedMp3("sk_sniff_plain.mp3", "", ""), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The unit's files, of every MPEG version and behind tags of any size, are named.
TEST(ContainerSniff, NamesPlainMp3AndAsfFiles) {
    EXPECT_EQ(sniff(mp3(44100, 2, 128000)), "mp3");
    EXPECT_EQ(sniff(mp3(22050, 1, 32000)), "mp3");  // MPEG-2: half-size layer III frames
    EXPECT_EQ(sniff(mp3(11025, 2, 32000)), "mp3");  // MPEG-2.5
    EXPECT_EQ(sniff(wma("wmav2", 44100, 2, 128000)), "asf");
    const std::string art = id3v2Frame("APIC", 0, std::string(100000, 'x'));
    EXPECT_EQ(sniff(taggedMp3("sk_sniff_art.mp3", id3v2Tag(art), "")), "mp3");
}

// Whatever is not plainly one of them is left to FFmpeg's probe, as before.
TEST(ContainerSniff, LeavesEveryOtherStartToFfmpeg) {
    const std::string frames = untaggedFrames();
    ASSERT_GT(frames.size(), 8000u);
    const auto file = [](const char* name, const std::string& bytes) {
        return sniff(testsupport::writeCacheFile(name, bytes));
    };
    EXPECT_EQ(file("sk_sniff_junk.mp3", "junk" + frames), named(nullptr));
    EXPECT_EQ(file("sk_sniff_zeros.mp3", std::string(64, '\0') + frames), named(nullptr));
    EXPECT_EQ(file("sk_sniff_short.mp3", frames.substr(0, 1500)), named(nullptr));
    std::string changed = frames;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(frames.data());
    std::size_t third = 0;
    for (int frame = 0; frame < 2; ++frame) {
        const auto header = soundkit::MpegAudioHeader::parse(bytes + third, frames.size() - third);
        ASSERT_TRUE(header);
        third += static_cast<std::size_t>(header->frameSize);
    }
    changed[third + 2] = '\xFF';  // the third frame's bit rate index: invalid

    EXPECT_EQ(file("sk_sniff_damaged.mp3", changed), named(nullptr));
    EXPECT_EQ(file("sk_sniff_tagonly.mp3", id3v2Tag(id3v2Frame("TIT2", 0, "x"))), named(nullptr));
    EXPECT_EQ(sniff("/nonexistent/sk_sniff.mp3"), named(nullptr));
    EXPECT_EQ(sniff(std::filesystem::temp_directory_path().string()), named(nullptr));
}

}  // namespace
