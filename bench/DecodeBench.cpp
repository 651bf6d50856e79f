// DecodeRun on a long MP3: in-process timing with Google Benchmark, or one plain decode
// (--decode SOURCE WAV) so bench/decode.sh can compare its CPU time with the ffmpeg command's.
#include <soundkit/Soundkit.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string sourceFile() {
    const char* file = std::getenv("HARBROOK_DECODE_BENCH_FILE");
    return file ? file : "";
}

void BM_DecodeRun(benchmark::State& state) {
    std::string source = sourceFile();
    if (source.empty()) {
        state.SkipWithError("set HARBROOK_DECODE_BENCH_FILE to an MP3 (bench/decode.sh does)");
        return;
    }
    std::string out = source + ".bench.wav";
    for (auto _ : state) {
        CSoundkit kit;
        if (kit.DecodeRun(source.c_str(), out.c_str()) != 1) state.SkipWithError("DecodeRun failed");
    }
    std::remove(out.c_str());
}
BENCHMARK(BM_DecodeRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--decode") == 0) {
        CSoundkit kit;
        return kit.DecodeRun(argv[2], argv[3]) == 1 ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
