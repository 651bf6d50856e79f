#include <mood/MoodCache.h>
#include <mood/MoodDetector.h>

#include <testsupport/ScratchDir.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

namespace {

using mood::MoodCache;
namespace fs = std::filesystem;

MoodCache::Entry sampleEntry(int seed) {
    MoodCache::Entry e;
    e.code = mood::kDetectCompleted;
    e.status = mood::kStatusSuccess;
    for (int i = 0; i < kMoodWordCount; ++i) e.result.words[i] = seed * 100 + i;
    return e;
}

bool sameEntry(const MoodCache::Entry& a, const MoodCache::Entry& b) {
    return a.code == b.code && a.status == b.status &&
           std::equal(std::begin(a.result.words), std::end(a.result.words), b.result.words);
}

class MoodCacheTest : public ::testing::Test {
protected:
    std::vector<fs::path> entryFiles() const {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(m_cache.Folder())) files.push_back(e.path());
        return files;
    }

    testsupport::ScratchDir m_dir;
    MoodCache m_cache{m_dir.file("cache")};
};

TEST_F(MoodCacheTest, KeepsWhatTheSameBytesGiveAgain) {
    testsupport::writeFile(m_dir.file("a.mp3"), "some music");
    testsupport::writeFile(m_dir.file("b.mp3"), "some music");
    testsupport::writeFile(m_dir.file("c.mp3"), "other music");
    const auto a = MoodCache::KeyOf(m_dir.file("a.mp3"));
    ASSERT_TRUE(a);
    EXPECT_FALSE(m_cache.Find(*a));
    ASSERT_TRUE(m_cache.Store(*a, sampleEntry(1)));
    // The key is the content: a copy elsewhere hits, other bytes miss.
    const auto hit = m_cache.Find(*MoodCache::KeyOf(m_dir.file("b.mp3")));
    ASSERT_TRUE(hit);
    EXPECT_TRUE(sameEntry(*hit, sampleEntry(1)));
    EXPECT_FALSE(m_cache.Find(*MoodCache::KeyOf(m_dir.file("c.mp3"))));
    // A cancelled or failed run is not an outcome of the bytes.
    MoodCache::Entry cancelled = sampleEntry(2);
    cancelled.code = mood::kDetectCancelled;
    EXPECT_FALSE(m_cache.Store(*MoodCache::KeyOf(m_dir.file("c.mp3")), cancelled));
    EXPECT_FALSE(MoodCache::KeyOf(m_dir.file("absent.mp3")));
}

TEST_F(MoodCacheTest, DamagedEntryIsIgnoredAndReplaced) {
    const MoodCache::Key key{0x1234, 99};
    ASSERT_TRUE(m_cache.Store(key, sampleEntry(3)));
    const fs::path entry = entryFiles().at(0);
    const std::string whole = testsupport::readFile(entry.string());
    std::string flipped = whole;
    flipped[40] ^= 1;
    for (const std::string& damaged : {flipped, whole.substr(0, 100), whole + "x"}) {
        testsupport::writeFile(entry.string(), damaged);
        EXPECT_FALSE(m_cache.Find(key));
        EXPECT_FALSE(fs::exists(entry));
        ASSERT_TRUE(m_cache.Store(key, sampleEntry(3)));
        ASSERT_TRUE(m_cache.Find(key));
    }
}

TEST_F(MoodCacheTest, PruneDropsTheLeastRecentlyUsed) {
    for (std::uint64_t k = 1; k <= 4; ++k) {
        ASSERT_TRUE(m_cache.Store({k, k}, sampleEntry(static_cast<int>(k))));
        std::this_thread::sleep_for(std::chrono::milliseconds(10));  // distinct times
    }
    ASSERT_TRUE(m_cache.Find({1, 1}));  // used again: now the newest
    m_cache.Prune(2);
    EXPECT_EQ(entryFiles().size(), 2u);
    EXPECT_TRUE(m_cache.Find({1, 1}));
    EXPECT_TRUE(m_cache.Find({4, 4}));
}

}  // namespace
