#pragma once
// The myDB file the myDB benchmarks read: 100 playlists of 99 tracks, 10000 rows in all.
#include <platform/Cp932.h>

#include <cstdio>
#include <string>

namespace benchsample {

// 100 playlists of 99 tracks: 10000 rows with Japanese titles, readings, genres and years.
inline std::string myDbFile() {
    auto cp = [](const std::string& utf8) { return platform::utf8ToCp932(utf8).value(); };
    const std::string album = cp("アルバムのタイトル"), albumReading = cp("あるばむのたいとる");
    const std::string artist = cp("アーティスト名"), artistReading = cp("あーてぃすとめい");
    const std::string song = cp("曲のタイトル　その"), songReading = cp("きょくのたいとる");
    std::string text;
    for (int p = 1; p <= 100; ++p) {
        text += "#Playlist\t99\t" + album + std::to_string(p) + "\t" + albumReading + "\t" +
                artist + "\t" + std::to_string(p % 15 + 1) + "\t" + std::to_string(1950 + p) +
                "\t" + artistReading + "\t" + album + "\r\n";
        for (int t = 1; t <= 99; ++t) {
            text += "#Track\t" + std::to_string(t) + "\t" + song + std::to_string(t) + "\t" +
                    songReading + "\t" + artist + "\t" + std::to_string(t % 15 + 1) + "\r\n";
        }
    }
    return text;
}

inline bool writeBytes(const std::string& path, const std::string& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace benchsample
