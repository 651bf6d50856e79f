#include <mood/TrackAnalysis.h>

#include <mood/MoodConstants.h>

#include <cstring>

namespace mood {

namespace {

constexpr int kMinWords = 972;             // 162 frames or fewer cannot be analysed
constexpr int kMinSegments = 5;
constexpr int kLargestExpectedWords = 19439;
constexpr int kSections = 4;

void clearSections(MoodResult& result) {
    for (int i = 0; i < kSections; ++i) {
        result.words[kWordSectionStart + i] = 0;
        result.words[kWordSectionEnd + i] = kHighlightLength;
        result.words[kWordSectionStartTime + i] = 0;
        result.words[kWordSectionEndTime + i] =
            static_cast<int>(static_cast<float>(kHighlightLength) * kFrameSeconds);
    }
    result.words[kWordSectionCount] = 1;
}

}  // namespace

std::int32_t TrackAnalysis::Analyse(const std::uint16_t* words, int wordCount, MoodResult& result) {
    const std::int32_t status = Run(words, wordCount, result);
    if (status != kStatusSuccess && status != kStatusTooManyWords) {
        std::memset(&result, 0, sizeof result);
        result.words[kWordSectionCount] = 1;
    }
    return status;
}

std::int32_t TrackAnalysis::Run(const std::uint16_t* words, int wordCount, MoodResult& result) {
    if (!words || wordCount < 0) return kStatusMissingInput;
    std::memset(&result, 0, sizeof result);
    if (wordCount <= kMinWords) return kStatusTooFewFrames;
    const int used = wordCount < kAnalysisMaxWords ? wordCount : kAnalysisMaxWords;
    if (!m_frames.Parse(words, used / kRecordWords)) return kStatusBadRecord;

    const LevelStatistics levels = MeasureLevels(m_frames);
    m_chords.Build(m_frames);
    if (m_chords.Count() < kMinSegments) return kStatusChordsFailed;
    m_segmentLevels.Measure(m_chords, m_frames);
    if (!m_keys.Estimate(m_chords)) return kStatusChordsFailed;

    result.words[kWordSucceeded] = 1;
    WriteKeys(result);
    WriteChordCounts(result);
    WritePulse(levels.pulse, result);
    WriteLevels(levels, result);
    WriteHighlight(result);
    return wordCount > kLargestExpectedWords ? kStatusTooManyWords : kStatusSuccess;
}

void TrackAnalysis::WriteKeys(MoodResult& result) const {
    const int slots[2] = {kWordKey1, kWordKey2};
    for (int i = 0; i < 2 && i < m_keys.KeyCount(); ++i) {
        const Key& key = m_keys.KeyAt(i);
        result.words[slots[i] + kKeyRoot] = key.root;
        result.words[slots[i] + kKeyMode] = key.mode;
        result.words[slots[i] + kKeyWeight] = key.weight;
        result.words[slots[i] + kKeyTonicFrame] = key.tonicFrame;
    }
}

void TrackAnalysis::WriteChordCounts(MoodResult& result) const {
    const int segments = m_chords.Count();
    result.words[kWordChordChangeRate] = segments * 300 / m_frames.count;
    int weight[2][kPitchClasses] = {};
    int largest = 0;
    for (int s = 0; s < segments; ++s) {
        int& w = weight[m_chords.Mode(s)][m_chords.Root(s)];
        w += m_chords.Length(s);
        if (w > largest) largest = w;
    }
    if (largest == 0) largest = 1;
    int variety = 0;
    for (const auto& mode : weight)
        for (int w : mode) variety += w * 100 / largest;
    result.words[kWordChordVariety] = variety;
}

void TrackAnalysis::WritePulse(int pulse, MoodResult& result) {
    // Slow chord changes damp the pulse; the pulse word is at least the chord-change rate.
    const int rate = result.words[kWordChordChangeRate];
    if (rate > 0) {
        float factor = static_cast<float>(rate) * 0.033333335f;
        if (factor > 1.0f) factor = 1.0f;
        pulse = static_cast<int>(factor * static_cast<float>(pulse));
    }
    result.words[kWordPulse] = pulse > rate ? pulse : rate;
    result.words[kWordPulseA] = pulse;
    result.words[kWordPulseB] = pulse;
}

void TrackAnalysis::WriteLevels(const LevelStatistics& levels, MoodResult& result) {
    // 32767 / P x value, relative to the loudest frame, computed exactly in integers (in floating
    // point the largest peak itself would often come out as 32766). A silent track scales to 0.
    const long long p = levels.largestPeak;
    if (p == 0) return;
    auto scaled = [p](long long value) { return static_cast<std::int32_t>(32767 * value / p); };
    result.words[kWordBass] = scaled(levels.bass);
    result.words[kWordMeanPeak] = scaled(levels.meanPeak);
    result.words[kWordLargestPeak] = scaled(p);
}

void TrackAnalysis::WriteHighlight(MoodResult& result) {
    clearSections(result);
    const int position = m_highlight.Find(m_chords, m_segmentLevels);
    if (position == HighlightFinder::kNotFound) return;
    // Sections start on an even segment: the repetition profile works on segment pairs.
    const int start = m_chords.Start(2 * (position / 2));
    const int end = start + kHighlightLength;
    result.words[kWordSectionCount] = 1;
    result.words[kWordSectionStart] = start;
    result.words[kWordSectionEnd] = end;
    result.words[kWordSectionStartTime] = static_cast<int>(static_cast<float>(start) * kFrameSeconds);
    result.words[kWordSectionEndTime] = static_cast<int>(static_cast<float>(end) * kFrameSeconds);
    result.words[kWordSectionReserved] = 0;
}

}  // namespace mood
