#include <mood/SegmentLevels.h>

#include <mood/Smoothing.h>

#include <cstring>

namespace mood {

namespace {

constexpr int kMinWindow = 10;  // frames
constexpr int kPasses = 3;

int largestOf(const int* values, int count) {
    int largest = 0;
    for (int i = 0; i < count; ++i)
        if (values[i] > largest) largest = values[i];
    return largest;
}

void normalise(int* values, int count, int largest) {
    if (largest <= 0) return;
    for (int i = 0; i < count; ++i) values[i] = values[i] * 100 / largest;
}

}  // namespace

void SegmentLevels::Measure(const ChordSequence& chords, const TrackFrames& frames) {
    std::memset(m_brightness, 0, sizeof m_brightness);
    std::memset(m_loudness, 0, sizeof m_loudness);
    std::memset(m_combined, 0, sizeof m_combined);
    std::memset(m_lateBrightness, 0, sizeof m_lateBrightness);
    const int count = chords.Count();

    int largestPerPass[kPasses] = {};
    WindowMeans(chords, frames.centre, frames.count, m_brightness, largestPerPass);
    // Brightness is scaled by its final values, loudness by the largest value any pass left.
    normalise(m_brightness, count, largestPerPass[kPasses - 1]);
    WindowMeans(chords, frames.peak, frames.count, m_loudness, largestPerPass);
    int loudest = 0;
    for (int v : largestPerPass)
        if (v > loudest) loudest = v;
    normalise(m_loudness, count, loudest);

    for (int j = 0; j < count; ++j) {
        m_combined[j] = static_cast<int>(m_brightness[j] * m_loudness[j] * 0.01);
        m_lateBrightness[j] = j < count / 5 ? 0 : m_brightness[j];
    }
}

void SegmentLevels::WindowMeans(const ChordSequence& chords, const int* perFrame, int frameCount,
                                int* out, int* largestSeen) const {
    const int count = chords.Count();
    // The window opens with the previous segment so it also catches the change into this one.
    for (int j = 0; j <= count - 10; ++j) {
        const int first = j == 0 ? 0 : chords.Start(j - 1);
        const int span = chords.Length(j) > kMinWindow ? chords.Length(j) : kMinWindow;
        long long sum = 0;
        for (int f = first; f < first + span && f < frameCount; ++f) sum += perFrame[f];
        out[j] = static_cast<int>(sum / span);
    }
    for (int p = 0; p < kPasses; ++p) {
        SmoothOnce(out, 1, count - 2);
        largestSeen[p] = largestOf(out, count);
    }
}

}  // namespace mood
