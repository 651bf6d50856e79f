#pragma once
// Synthesised WAV input for the mood detector tests: header variants and test signals, written
// at test time.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace moodtest {

struct WaveLayout {
    int sampleRate = 11025;
    int channels = 1;
    int bitsPerSample = 16;
    std::uint32_t formatChunkSize = 16;  // bytes beyond 16 are written as zeros
    bool factChunk = false;
    bool listChunk = false;              // a "LIST" chunk before "data"
    std::int64_t dataSizeOverride = -1;  // header data size when >= 0
};

// One mono sample in -1 ... 1 at sample index n.
using Signal = std::function<double(std::int64_t n)>;

// The header (up to the first sample) for `dataBytes` bytes of samples.
std::string WaveHeader(const WaveLayout& layout, std::uint32_t dataBytes);

// Writes a WAV file of `seconds` of `signal` (every channel the same) and returns its path.
void WriteWave(const std::string& path, const WaveLayout& layout, double seconds,
               const Signal& signal);

// Frequency of a note given in semitones above the A at 110 Hz.
double NoteFrequency(int semitonesAboveA110);

// A chord progression: each chord (a set of notes, semitones above A 110 Hz) held for
// `chordSeconds`, the whole sequence repeated to fill the track. Notes have a few harmonics.
Signal ChordProgression(const std::vector<std::vector<int>>& chords, double chordSeconds,
                        int sampleRate);

Signal Silence();
Signal Tone(double frequency, int sampleRate, double amplitude = 0.5);

}  // namespace moodtest
