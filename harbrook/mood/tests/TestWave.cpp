#include "TestWave.h"

#include <cmath>
#include <cstdio>
#include <memory>

namespace moodtest {

namespace {

void put16(std::string& out, unsigned v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8 & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

constexpr double kPi = 3.14159265358979323846;

}  // namespace

std::string WaveHeader(const WaveLayout& layout, std::uint32_t dataBytes) {
    const int blockAlign = layout.channels * layout.bitsPerSample / 8;
    std::string h = "RIFF";
    put32(h, 0);  // RIFF size, patched below
    h += "WAVEfmt ";
    put32(h, layout.formatChunkSize);
    put16(h, 1);
    put16(h, static_cast<unsigned>(layout.channels));
    put32(h, static_cast<std::uint32_t>(layout.sampleRate));
    put32(h, static_cast<std::uint32_t>(layout.sampleRate * blockAlign));
    put16(h, static_cast<unsigned>(blockAlign));
    put16(h, static_cast<unsigned>(layout.bitsPerSample));
    if (layout.formatChunkSize > 16) h.append(layout.formatChunkSize - 16, '\0');
    if (layout.factChunk) {
        h += "fact";
        put32(h, 4);
        put32(h, dataBytes / static_cast<std::uint32_t>(blockAlign));
    }
    if (layout.listChunk) {
        h += "LIST";
        put32(h, 4);
        h += "INFO";
    }
    h += "data";
    put32(h, layout.dataSizeOverride >= 0 ? static_cast<std::uint32_t>(layout.dataSizeOverride)
                                          : dataBytes);
    const std::uint32_t riff = static_cast<std::uint32_t>(h.size()) + dataBytes - 8;
    for (int i = 0; i < 4; ++i) h[4 + i] = static_cast<char>(riff >> (8 * i) & 0xFF);
    return h;
}

void WriteWave(const std::string& path, const WaveLayout& layout, double seconds,
               const Signal& signal) {
    const auto frames = static_cast<std::int64_t>(seconds * layout.sampleRate);
    const int bytesPerSample = layout.bitsPerSample / 8;
    const auto dataBytes =
        static_cast<std::uint32_t>(frames * layout.channels * bytesPerSample);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                         &std::fclose);
    if (!file) return;
    const std::string header = WaveHeader(layout, dataBytes);
    std::fwrite(header.data(), 1, header.size(), file.get());
    std::string block;
    block.reserve(1 << 16);
    for (std::int64_t n = 0; n < frames; ++n) {
        const double v = std::fmax(-1.0, std::fmin(1.0, signal(n)));
        for (int c = 0; c < layout.channels; ++c) {
            if (bytesPerSample == 1)
                block.push_back(static_cast<char>(static_cast<int>(std::lround(v * 127.0)) + 128));
            else
                put16(block, static_cast<unsigned>(static_cast<int>(std::lround(v * 32767.0))) &
                                 0xFFFF);
        }
        if (block.size() >= (1 << 16) - 8) {
            std::fwrite(block.data(), 1, block.size(), file.get());
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), file.get());
}

double NoteFrequency(int semitonesAboveA110) {
    return 110.0 * std::pow(2.0, semitonesAboveA110 / 12.0);
}

Signal ChordProgression(const std::vector<std::vector<int>>& chords, double chordSeconds,
                        int sampleRate) {
    const auto chordSamples = static_cast<std::int64_t>(chordSeconds * sampleRate);
    // Radians per sample of every note, per chord.
    std::vector<std::vector<double>> steps;
    for (const auto& chord : chords) {
        steps.emplace_back();
        for (int note : chord) steps.back().push_back(2 * kPi * NoteFrequency(note) / sampleRate);
    }
    return [steps, chordSamples](std::int64_t n) {
        const auto& chord = steps[static_cast<std::size_t>(n / chordSamples) % steps.size()];
        const auto t = static_cast<double>(n);
        double v = 0.0;
        for (double step : chord) v += std::sin(step * t) + 0.3 * std::sin(2 * step * t);
        return 0.8 * v / (1.3 * static_cast<double>(chord.size()));
    };
}

Signal Silence() {
    return [](std::int64_t) { return 0.0; };
}

Signal Tone(double frequency, int sampleRate, double amplitude) {
    return [=](std::int64_t n) {
        return amplitude * std::sin(2 * kPi * frequency * static_cast<double>(n) / sampleRate);
    };
}

}  // namespace moodtest
