#pragma once
// The mood result of one track: 38 signed 32-bit words, copied in this order into the track's
// DURo record (AVT_Tk_DistinctInfo::mood), followed there by the analysis status.
#include <songbase/Records.h>

#include <cstdint>

namespace mood {

struct MoodResult {
    std::int32_t words[kMoodWordCount];
};
static_assert(sizeof(MoodResult) == sizeof(AVT_Tk_DistinctInfo::mood));

// Word indices.
enum MoodWord : int {
    kWordSucceeded = 0,
    kWordKey1 = 1,   // root, mode, weight, tonic frame
    kWordKey2 = 5,   // the same four
    kWordChordChangeRate = 9,
    kWordChordVariety = 10,
    kWordPulse = 11,  // raised to the chord-change rate
    kWordPulseA = 12,
    kWordPulseB = 13,
    kWordBass = 14,
    kWordMeanPeak = 15,
    kWordLargestPeak = 16,
    kWordSectionCount = 17,
    kWordSectionStart = 18,      // four entries each
    kWordSectionEnd = 22,
    kWordSectionStartTime = 26,
    kWordSectionEndTime = 30,
    kWordSectionReserved = 34,
};

// Offsets within a key's four words.
enum KeyWord : int { kKeyRoot = 0, kKeyMode = 1, kKeyWeight = 2, kKeyTonicFrame = 3 };

// Analysis status, stored beside the result.
enum AnalysisStatus : std::int32_t {
    kStatusSuccess = kMoodStatusSuccess,  // 3328
    kStatusBadRecord = 3329,
    kStatusTooFewFrames = 3331,
    kStatusChordsFailed = 3332,
    kStatusMissingInput = 3333,
    kStatusTooManyWords = 3336,
};

}  // namespace mood
