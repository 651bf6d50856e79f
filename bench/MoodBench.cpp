// Mood detection of a six-minute 44.1 kHz stereo 16-bit track, the longest the detector reads
// (1937 frames). The track is HARBROOK_MOOD_BENCH_FILE (bench/mood.sh passes the WAV it also
// gives ffmpeg), or a generated chord progression. Target: 500 x real time on one core, i.e.
// under 0.72 s per run; the counter x_realtime reports the figure.
#include <mood/MoodDetector.h>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kSeconds = 360;

void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

// I-vi-IV-V in C, two seconds per chord, with a little noise.
bool writeSampleTrack(const std::string& path) {
    const std::uint32_t dataBytes = kRate * kSeconds * 4;
    std::string header = "RIFF";
    put(header, dataBytes + 38, 4);
    header += "WAVEfmt ";
    put(header, 18, 4);
    for (std::uint32_t v : {1u, 2u}) put(header, v, 2);
    put(header, kRate, 4);
    put(header, kRate * 4, 4);
    for (std::uint32_t v : {4u, 16u, 0u}) put(header, v, 2);
    header += "data";
    put(header, dataBytes, 4);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fwrite(header.data(), 1, header.size(), f);
    const double chords[4][3] = {{261.63, 329.63, 392.0}, {220.0, 261.63, 329.63},
                                 {349.23, 440.0, 523.25}, {392.0, 493.88, 587.33}};
    std::vector<std::int16_t> block(2 * kRate);
    std::uint32_t noise = 1;
    for (int second = 0; second < kSeconds; ++second) {
        const double* chord = chords[(second / 2) % 4];
        for (int n = 0; n < kRate; ++n) {
            const double t = second + static_cast<double>(n) / kRate;
            double v = 0;
            for (int k = 0; k < 3; ++k) v += std::sin(2 * M_PI * chord[k] * t);
            noise = noise * 1664525u + 1013904223u;
            v = 0.25 * v + 0.02 * (static_cast<double>(noise >> 8) / (1 << 24) - 0.5);
            block[2 * n] = block[2 * n + 1] = static_cast<std::int16_t>(v * 32767);
        }
        std::fwrite(block.data(), sizeof(std::int16_t), block.size(), f);
    }
    return std::fclose(f) == 0;
}

const std::string& inputFile() {
    static const std::string path = [] {
        if (const char* given = std::getenv("HARBROOK_MOOD_BENCH_FILE")) return std::string(given);
        char pattern[] = "/tmp/harbrook-mood-bench-XXXXXX";
        const std::string folder = ::mkdtemp(pattern) ? pattern : "/tmp";
        const std::string generated = folder + "/track.wav";
        writeSampleTrack(generated);
        return generated;
    }();
    return path;
}

void BM_DetectSixMinutes(benchmark::State& state) {
    auto detector = std::make_unique<mood::MoodDetector>();
    const std::string& path = inputFile();
    mood::MoodResult result;
    std::int32_t status = 0;
    for (auto _ : state) {
        const int code = detector->Detect(path.c_str(), &result, &status, nullptr, 0, 0, nullptr);
        if (code != mood::kDetectCompleted) state.SkipWithError("Detect failed");
    }
    state.counters["x_realtime"] = benchmark::Counter(
        kSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["status"] = status;
}
BENCHMARK(BM_DetectSixMinutes)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-sample") return writeSampleTrack(argv[2]) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
