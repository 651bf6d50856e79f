#include <platform/ContentHash.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

using platform::ContentHash;

namespace {

std::uint64_t hashOf(const std::string& bytes, std::uint64_t seed = 0) {
    ContentHash h(seed);
    h.update(bytes.data(), bytes.size());
    return h.digest();
}

TEST(ContentHash, PiecesHashLikeTheWholeAndEveryChangeShows) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 7 + i / 13);
    const std::uint64_t whole = hashOf(bytes);
    for (std::size_t cut : {0, 1, 31, 32, 33, 500, 999}) {
        ContentHash h;
        h.update(bytes.data(), cut);
        h.update(bytes.data() + cut, bytes.size() - cut);
        EXPECT_EQ(h.digest(), whole) << cut;
    }
    std::set<std::uint64_t> seen{whole, hashOf(bytes, 1), hashOf(bytes.substr(1))};
    for (std::size_t i = 0; i < bytes.size(); i += 97) {
        std::string changed = bytes;
        changed[i] ^= 1;
        seen.insert(hashOf(changed));
    }
    for (std::size_t n = 0; n < 40; ++n) seen.insert(hashOf(std::string(n, '\0')));
    EXPECT_EQ(seen.size(), 3u + 11u + 40u);

    const std::string path =
        (std::filesystem::temp_directory_path() / ("hash-" + std::to_string(::getpid()))).string();
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    EXPECT_EQ(ContentHash::ofFile(path), whole);
    std::remove(path.c_str());
    EXPECT_FALSE(ContentHash::ofFile(path));
}

}  // namespace
