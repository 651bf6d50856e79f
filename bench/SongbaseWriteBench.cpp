// Writing the unit's music database files: time and peak memory of WriteMusicData over a folder of
// music files. `--write-once MUSIC_DIR OUT_DIR [LISTS]` writes once and prints
// "seconds=<s> peak_delta_kib=<k> bytes=<n>" for bench/songbase_write.sh; without arguments it runs
// as a Google Benchmark over generated files.
#include <songbase/Songbase.h>

#include <testsupport/ScratchDir.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The value in KiB of a "Name:   123 kB" line of /proc/self/status.
long statusKib(const char* name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(name);
    while (std::getline(status, line))
        if (line.compare(0, n, name) == 0 && line[n] == ':') return std::stol(line.substr(n + 1));
    return -1;
}

// Forgets the peak resident size so far, so VmHWM measures from here on.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Fills the store with the music files of `dir`, sorted by name, spread over `lists` playlists.
std::uint64_t loadStore(const std::string& dir, int lists) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    CSongbase::Initialize();
    for (int i = 0; i < lists; ++i) CSongbase::CreatePlayList(nullptr);
    std::uint64_t bytes = 0;
    for (std::size_t k = 0; k < files.size(); ++k) {
        Songbase_Track t;
        InitTrackRecord(&t);
        std::strncpy(t.path, files[k].c_str(), sizeof t.path - 1);
        t.fileSize = static_cast<std::uint32_t>(fs::file_size(files[k]));
        t.detail.minutes = 5;
        t.detail.codec = AVT_CODEC_MP3;
        const int list = static_cast<int>(k % static_cast<std::size_t>(lists));
        if (!CSongbase::InsertTrackData(list, CSongbase::GetTrackCount(list), t)) std::abort();
        bytes += t.fileSize;
    }
    return bytes;
}

int writeOnce(const std::string& musicDir, const std::string& outDir, int lists) {
    const std::uint64_t bytes = loadStore(musicDir, lists);
    const std::string folder = outDir + "/";
    resetPeak();
    const long baseline = statusKib("VmRSS");
    const auto start = std::chrono::steady_clock::now();
    const int ok = CSongbase::WriteMusicData(folder.c_str(), nullptr);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const long peak = statusKib("VmHWM");
    CSongbase::Release();
    if (!ok) {
        std::fprintf(stderr, "WriteMusicData failed\n");
        return 1;
    }
    std::printf("seconds=%.3f peak_delta_kib=%ld bytes=%llu\n", took.count(), peak - baseline,
                static_cast<unsigned long long>(bytes));
    return 0;
}

// Two playlists of 8 generated 5 MB tracks, written again and again.
void BM_WriteMusicData(benchmark::State& state) {
    testsupport::ScratchDir music;
    testsupport::ScratchDir out;
    std::string block(5000000, '\0');
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 31 + 7);
    for (int k = 0; k < 16; ++k) testsupport::writeFile(music.file("t" + std::to_string(k) + ".mp3"), block);
    const std::uint64_t bytes = loadStore(music.path().string(), 2);
    for (auto _ : state) {
        if (!CSongbase::WriteMusicData(out.folder().c_str(), nullptr)) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    CSongbase::Release();
}
BENCHMARK(BM_WriteMusicData)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--write-once") == 0)
        return writeOnce(argv[2], argv[3], argc >= 5 ? std::atoi(argv[4]) : 2);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
