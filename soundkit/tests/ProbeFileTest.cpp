// Probes kept between runs: the cache file's format and its filling.
#include "ProbeStore.h"
#include "SoundkitFiles.h"

#include <soundkit/Soundkit.h>

#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

using namespace soundkit_test;
using soundkit::ProbeRecord;
using soundkit::ProbeStore;
using testsupport::ScratchDir;

namespace {

ProbeRecord sampleRecord(const std::string& path) {
    ProbeRecord r;
    r.path = path;
    r.stamp = {1, 2, 3000, 4000000005, 6000000007};
    r.details.status = soundkit::SourceDetails::Status::Ok;
    r.details.format = {0x0161, 2, 44100, 16000, 2973, 16, 10};
    r.details.vbr = true;
    r.details.fileSize = 3000;
    r.details.duration100ns = 123456789;
    r.details.title = "\x93\xfa\x96\x7b\x8c\xea";
    r.details.artist = "Artist";
    r.details.track = "3/12";
    r.details.audioPresent = true;
    r.audioProbed = true;
    return r;
}

void expectSame(const ProbeRecord& a, const ProbeRecord& b) {
    EXPECT_EQ(a.path, b.path);
    EXPECT_EQ(a.stamp, b.stamp);
    EXPECT_EQ(a.details.status, b.details.status);
    EXPECT_EQ(a.details.format.formatTag, b.details.format.formatTag);
    EXPECT_EQ(a.details.format.blockAlign, b.details.format.blockAlign);
    EXPECT_EQ(a.details.format.extraSize, b.details.format.extraSize);
    EXPECT_EQ(a.details.vbr, b.details.vbr);
    EXPECT_EQ(a.details.duration100ns, b.details.duration100ns);
    EXPECT_EQ(a.details.title, b.details.title);
    EXPECT_EQ(a.details.artist, b.details.artist);
    EXPECT_EQ(a.details.track, b.details.track);
    EXPECT_EQ(a.details.audioPresent, b.details.audioPresent);
    EXPECT_EQ(a.audioProbed, b.audioProbed);
}

TEST(ProbeStore, KeepsEveryFieldAndRefusesDamagedFiles) {
    ScratchDir dir;
    const ProbeStore store(dir.file("cache/probes"));
    ProbeRecord plain = sampleRecord("/music/b.mp3");
    plain.details = {};
    ASSERT_TRUE(store.Save({sampleRecord("/music/a.wma"), plain}));
    auto loaded = store.Load();
    ASSERT_EQ(loaded.size(), 2u);
    expectSame(loaded[0], sampleRecord("/music/a.wma"));
    expectSame(loaded[1], plain);

    const std::string bytes = testsupport::readFile(store.File());
    for (std::size_t at : {std::size_t{0}, std::size_t{5}, bytes.size() / 2, bytes.size() - 1}) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x40);
        testsupport::writeFile(store.File(), damaged);
        EXPECT_TRUE(store.Load().empty()) << "byte " << at;
    }
    testsupport::writeFile(store.File(), bytes.substr(0, bytes.size() - 3));
    EXPECT_TRUE(store.Load().empty());
    EXPECT_TRUE(ProbeStore(dir.file("missing")).Load().empty());
}

// What one run learns of a file reaches the cache file for the next.
TEST(ProbeCache, WritesTheRunsProbesToTheCacheFile) {
    ScratchDir dir;
    const std::string file = dir.file("song.mp3");
    std::filesystem::copy_file(mp3(44100, 2, 128000), file);
    std::this_thread::sleep_for(std::chrono::milliseconds(80));  // older than the clock's tick
    testsupport::writeFile(dir.file("probes"), "not a probe file");
    CSoundkit::UseProbeFile(dir.file("probes").c_str());
    CSoundkit kit;
    ASSERT_EQ(kit.CheckFormat(file.c_str()), SK_CHECK_OK);
    CSoundkit::UseProbeFile(nullptr);  // writes the file

    const auto records = ProbeStore(dir.file("probes")).Load();
    const auto kept = std::find_if(records.begin(), records.end(),
                                   [&](const ProbeRecord& r) { return r.path == file; });
    ASSERT_NE(kept, records.end());
    EXPECT_EQ(kept->details.status, soundkit::SourceDetails::Status::Ok);
    EXPECT_TRUE(kept->audioProbed && kept->details.audioPresent);
    EXPECT_EQ(kept->details.title, "song");
}

}  // namespace
