#pragma once
// One fuzz target's seed corpus: a folder named after the target, filled with small valid files
// (and a few near misses) of every kind the target's reader takes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzseeds {

class SeedFolder {
public:
    // Empties (or creates) `root`/`target`.
    SeedFolder(const std::string& root, const std::string& target);

    void add(const std::string& name, std::string_view bytes) const;
    void add(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    // A copy of the file at `path` (throws when it cannot be read, e.g. ffmpeg failed to make it).
    void addFile(const std::string& name, const std::string& path) const;
    // The path a seed named `name` gets (for writers that take a path).
    std::string path(const std::string& name) const;

private:
    std::string m_folder;
};

// Little-endian bytes of `value`.
std::string le(std::uint64_t value, int bytes);

// Short Japanese texts in code page 932.
inline constexpr std::string_view kNihongo = "\x93\xfa\x96\x7b\x8c\xea";   // 日本語
inline constexpr std::string_view kKashu = "\x89\xcc\x8e\xe8";             // 歌手
inline constexpr std::string_view kHiragana = "\x82\xa0\x82\xa2\x82\xa4";  // あいう
inline constexpr std::string_view kKatakana = "\x83\x41\x83\x43\x83\x45";  // アイウ
inline constexpr std::string_view kHalfWidthKana = "\xb1\xb2\xb3";         // ｱｲｳ

}  // namespace fuzzseeds
