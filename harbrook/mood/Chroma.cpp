#include <mood/Chroma.h>

#include <mood/MoodTables.h>

#include <cstring>

namespace mood {

namespace {

constexpr int kOctaveWeight[kOctaves] = {2, 3, 2, 1};
constexpr float kSeventh = 0.14285715f;

}  // namespace

void Chroma::Reset() {
    for (int i = 0; i < kLevels; ++i) m_threshold[i] = static_cast<float>(-i);
    std::memset(m_histogram, 0, sizeof m_histogram);
    std::memset(m_noteLevel, 0, sizeof m_noteLevel);
    std::memset(m_value, 0, sizeof m_value);
    std::memset(m_history, 0, sizeof m_history);
    std::memset(m_chosen, 0, sizeof m_chosen);
    m_chosenCount = 0;
}

void Chroma::Analyse(const float* db) {
    LevelNotes(db);
    Smooth();
    Normalise();
    Choose();
}

void Chroma::LevelNotes(const float* db) {
    float loudest = -30000.0f;
    for (const auto& octave : kSemitoneBins)
        for (const auto& note : octave)
            for (short bin : note)
                if (db[bin] > loudest) loudest = db[bin];
    for (int i = 0; i < kLevels; ++i) m_threshold[i] = loudest - static_cast<float>(i);

    std::memset(m_histogram, 0, sizeof m_histogram);
    std::memset(m_noteLevel, 0, sizeof m_noteLevel);
    std::memset(m_chosen, 0, sizeof m_chosen);
    std::memset(m_value, 0, sizeof m_value);
    m_chosenCount = 0;

    for (int o = 0; o < kOctaves; ++o) {
        for (int k = 0; k < kPitchClasses; ++k) {
            float sum = 0.0f;
            for (short bin : kSemitoneBins[o][k]) sum += db[bin];
            const float average = sum * kSeventh;
            for (int d = 0; d < kLevels; ++d) {
                if (average >= m_threshold[d]) {
                    m_noteLevel[o][k] = kLevels - d;
                    m_histogram[d][k] += kOctaveWeight[o];
                    break;
                }
            }
        }
    }
    for (int k = 0; k < kPitchClasses; ++k)
        for (int d = 0; d < kLevels; ++d) m_value[k] += (kLevels - d) * m_histogram[d][k];
}

void Chroma::Smooth() {
    std::memmove(m_history[1], m_history[0], sizeof m_history - sizeof m_history[0]);
    std::memcpy(m_history[0], m_value, sizeof m_value);
    for (int k = 0; k < kPitchClasses; ++k) {
        int sum = 0;
        for (const auto& row : m_history) sum += row[k];
        // Over five frames but divided by three: the scale is normalised away below.
        m_value[k] = sum / 3;
    }
}

void Chroma::Normalise() {
    int largest = 0;
    for (int v : m_value)
        if (v > largest) largest = v;
    if (largest == 0) return;
    for (int& v : m_value) v = v * 100 / largest;
}

void Chroma::Choose() {
    bool taken[kPitchClasses] = {};
    while (m_chosenCount < kMaxChosen) {
        int best = -1;
        for (int k = 0; k < kPitchClasses; ++k)
            if (!taken[k] && m_value[k] > 0 && (best < 0 || m_value[k] > m_value[best])) best = k;
        if (best < 0) break;
        taken[best] = true;
        m_chosen[m_chosenCount++] = best;
    }
}

int ChromaRoughness(const int* values) {
    int sum = 0;
    for (int k = 0; k + 1 < kPitchClasses; ++k) {
        const int d = values[k + 1] - values[k];
        sum += d < 0 ? -d : d;
    }
    return sum;
}

}  // namespace mood
