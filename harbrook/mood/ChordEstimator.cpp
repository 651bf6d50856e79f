#include <mood/ChordEstimator.h>

#include <mood/MoodTables.h>

#include <cstring>

namespace mood {

void ChordEstimator::Reset() {
    std::memset(m_score, 0, sizeof m_score);
    std::memset(m_used, 0, sizeof m_used);
    m_current = ChordCandidates{};
    m_previous = ChordCandidates{};
}

void ChordEstimator::Estimate(const Chroma& chroma) {
    Estimate(chroma.Values(), chroma.Chosen(), chroma.ChosenCount());
}

void ChordEstimator::Estimate(const int* chroma, const int* chosen, int chosenCount) {
    std::memset(m_score, 0, sizeof m_score);
    std::memset(m_used, 0, sizeof m_used);
    if (ChromaRoughness(chroma) / 12 <= kMinRoughness) {
        m_previous = m_current;
        return;
    }
    const bool matched = ScoreChords(chroma, chosen, chosenCount);
    m_previous = m_current;
    if (!matched) return;
    PickCandidates();
    CorrectRelativeKey();
}

bool ChordEstimator::ScoreChords(const int* chroma, const int* chosen, int chosenCount) {
    // The chosen classes' chroma over two octaves, so that intervals need no wrap.
    int doubled[2 * kPitchClasses] = {};
    for (int c = 0; c < chosenCount; ++c) {
        const int k = chosen[c];
        doubled[k] = doubled[k + kPitchClasses] = chroma[k];
    }
    int matches = 0;
    for (int c = 0; c < chosenCount; ++c) {
        const int r = chosen[c];
        for (int t = 0; t < kChordTypes && matches < kMaxMatches; ++t) {
            const ChordType& type = kChordTypeTable[t];
            const int third = r + type.third;
            const int fifth = third + type.fifth;
            const int seventh = fifth + type.seventh;
            if (doubled[third] == 0 || doubled[fifth] == 0 || doubled[seventh] == 0) continue;
            m_score[t][r] += doubled[fifth] + doubled[r] + doubled[third];
            ++matches;
        }
    }
    return matches > 0;
}

void ChordEstimator::PickCandidates() {
    for (int l = 0; l < kCandidates; ++l) {
        int bestType = -1;
        int bestRoot = -1;
        for (int t = 0; t < kChordTypes; ++t) {
            for (int r = 0; r < kPitchClasses; ++r) {
                // A later entry wins ties, and a score of 0 still qualifies.
                if (m_used[t][r]) continue;
                if (bestType < 0 || m_score[t][r] >= m_score[bestType][bestRoot]) {
                    bestType = t;
                    bestRoot = r;
                }
            }
        }
        m_used[bestType][bestRoot] = true;
        m_current.root[l] = bestRoot;
        m_current.type[l] = bestType;
        m_current.strength[l] = m_score[bestType][bestRoot];
        m_current.count = l + 1;
    }
}

void ChordEstimator::CorrectRelativeKey() {
    auto related = [this](int x, int y) {
        return chordsRelated(m_current.root[x], chordMode(m_current.type[x]), m_current.root[y],
                             chordMode(m_current.type[y]));
    };
    if (related(0, 1)) return;
    if (related(0, 2)) {
        m_current.root[1] = m_current.root[2];
        m_current.type[1] = m_current.type[2];
    }
}

}  // namespace mood
