// The music build job with detection against its parts run alone. In-process with Google
// Benchmark over the MP3 files of $HARBROOK_BUILD_BENCH_DIR (BM_BuildJob: the whole job, including
// the unit files; BM_DecodeAndDetect: DecodeRun then Detect per track), or as one plain run
// (--baseline FILE...: decode and detect each file once) for bench/build.sh.
#include <music/MusicData.h>

#include <mood/MoodDetector.h>
#include <platform/TempName.h>
#include <songbase/Songbase.h>
#include <soundkit/Soundkit.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> benchFiles() {
    std::vector<std::string> files;
    const char* dir = std::getenv("HARBROOK_BUILD_BENCH_DIR");
    std::error_code ec;
    if (!dir) return files;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".mp3") files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Decodes and analyses each file in turn; false when a decode fails.
bool decodeAndDetect(const std::vector<std::string>& files, mood::MoodDetector& detector) {
    const std::string wav = platform::tempFolder() + "buildbench.wav";
    mood::MoodResult result{};
    std::int32_t status = 0;
    bool ok = true;
    for (const std::string& file : files) {
        CSoundkit kit;
        ok = ok && kit.DecodeRun(file.c_str(), wav.c_str()) == 1;
        detector.Detect(wav.c_str(), &result, &status, nullptr, 0, 0, nullptr);
    }
    std::remove(wav.c_str());
    return ok;
}

void BM_DecodeAndDetect(benchmark::State& state) {
    const auto files = benchFiles();
    if (files.empty()) return state.SkipWithError("set HARBROOK_BUILD_BENCH_DIR (bench/build.sh does)");
    auto detector = std::make_unique<mood::MoodDetector>();
    for (auto _ : state) {
        if (!decodeAndDetect(files, *detector)) state.SkipWithError("DecodeRun failed");
    }
    state.counters["tracks"] = static_cast<double>(files.size());
}
BENCHMARK(BM_DecodeAndDetect)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

void BM_BuildJob(benchmark::State& state) {
    const auto files = benchFiles();
    if (files.empty()) return state.SkipWithError("set HARBROOK_BUILD_BENCH_DIR (bench/build.sh does)");
    const std::string out = platform::tempFolder() + "buildbench-out/";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(out);
        fs::create_directories(out);
        CMusicData doc;
        doc.SetJobPause(std::chrono::milliseconds(0));
        doc.NewPlayList(nullptr);
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (i > 0 && i % kMaxTracksPerList == 0) doc.NewPlayList(nullptr);
            doc.AddFile(CSongbase::GetPlayListCount() - 1, files[i]);
        }
        state.ResumeTiming();
        doc.PrepareJob(out, true, nullptr, nullptr, out);
        while (doc.JobStep()) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        if (!doc.JobSucceeded()) state.SkipWithError("the build job failed");
    }
    fs::remove_all(out);
    state.counters["tracks"] = static_cast<double>(files.size());
}
BENCHMARK(BM_BuildJob)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--baseline") == 0) {
        auto detector = std::make_unique<mood::MoodDetector>();
        return decodeAndDetect(std::vector<std::string>(argv + 2, argv + argc), *detector) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
