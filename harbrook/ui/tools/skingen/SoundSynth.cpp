#include "SoundSynth.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace skingen::sounds {
namespace {

constexpr double kPi = 3.14159265358979323846;

QByteArray toWav(const std::vector<double>& samples) {
    const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray wav;
    wav.reserve(44 + static_cast<int>(dataBytes));
    auto put32 = [&](quint32 v) { char b[4]; qToLittleEndian(v, b); wav.append(b, 4); };
    auto put16 = [&](quint16 v) { char b[2]; qToLittleEndian(v, b); wav.append(b, 2); };
    wav.append("RIFF", 4);
    put32(36 + dataBytes);
    wav.append("WAVEfmt ", 8);
    put32(16);
    put16(1);  // PCM
    put16(1);  // mono
    put32(kSampleRate);
    put32(kSampleRate * 2);
    put16(2);
    put16(16);
    wav.append("data", 4);
    put32(dataBytes);
    for (double s : samples) {
        put16(static_cast<quint16>(static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32767))));
    }
    return wav;
}

std::vector<double> silence(double seconds) {
    return std::vector<double>(static_cast<size_t>(seconds * kSampleRate), 0.0);
}

// Adds a bell-like note: a sine with a softer octave, fast attack, exponential decay.
void addNote(std::vector<double>& out, double start, double frequency, double length, double gain) {
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.004);
        const double decay = std::exp(-t * 5.0 / length);
        const double tone = std::sin(2 * kPi * frequency * t) + 0.3 * std::sin(4 * kPi * frequency * t);
        out[first + i] += gain * attack * decay * tone;
    }
}

}  // namespace

QByteArray Click() {
    std::vector<double> out = silence(0.045);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double envelope = std::min(1.0, t / 0.0015) * std::exp(-t * 160);
        out[i] = 0.45 * envelope * (std::sin(2 * kPi * 1800 * t) + 0.5 * std::sin(2 * kPi * 3100 * t));
    }
    return toWav(out);
}

QByteArray DialogOpen() {
    std::vector<double> out = silence(0.32);
    addNote(out, 0.0, 880.0, 0.22, 0.22);    // A5
    addNote(out, 0.07, 1318.5, 0.25, 0.2);   // E6
    return toWav(out);
}

QByteArray DialogClose() {
    std::vector<double> out = silence(0.3);
    addNote(out, 0.0, 1318.5, 0.2, 0.18);    // E6
    addNote(out, 0.06, 880.0, 0.24, 0.2);    // A5
    return toWav(out);
}

QByteArray ModeChange() {
    // Band-passed noise whose centre glides upward, with a quiet tone under it.
    std::vector<double> out = silence(0.2);
    std::mt19937 random(238);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    double low = 0, band = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double progress = t / 0.2;
        const double centre = 600 + 2400 * progress;
        const double f = 2 * std::sin(kPi * centre / kSampleRate);
        const double q = 0.35;
        const double input = noise(random);
        const double high = input - low - q * band;
        band += f * high;
        low += f * band;
        const double envelope = std::sin(kPi * progress);
        out[i] = envelope * (0.22 * band + 0.08 * std::sin(2 * kPi * (440 + 220 * progress) * t));
    }
    return toWav(out);
}

}  // namespace skingen::sounds
