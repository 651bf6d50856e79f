#pragma once
// Sizes and constants shared by the detector's stages. Every buffer is sized for the worst case
// (48 kHz stereo 16-bit frames, the longest analysed stretch) so a run allocates nothing.
#include <cstdint>

namespace mood {

// Longest WAV path the detector keeps (the file system's limit); longer paths are not opened
// rather than cut to a different name.
constexpr int kMaxPath = 4096;

// The detector's version: part of every cached result's key. Raise it with any change that can
// alter a result, so that results of the old detector are not taken for those of the new.
constexpr std::uint32_t kDetectorVersion = 1;

constexpr int kMaxFrames = 1937;            // about 360 s of a track, always from its beginning
constexpr float kFrameSeconds = 0.1857596f; // 8192 / 44100: every frame, whatever the rate
constexpr int kMinDurationMs = 60000;
constexpr int kMaxSamplesPerFrame = 8916;  // 48 kHz
constexpr int kMaxChannels = 2;
constexpr int kMaxBytesPerSample = 2;
constexpr int kMaxBytesPerFrame = kMaxSamplesPerFrame * kMaxChannels * kMaxBytesPerSample;

constexpr int kFftSize = 1024;  // decimated samples per frame, about 5.5 kHz effective rate
constexpr int kBins = kFftSize / 2;

constexpr int kPitchClasses = 12;  // class 0 is the class of the A at 110 Hz
constexpr int kOctaves = 4;
constexpr int kChordTypes = 5;
constexpr int kCandidates = 3;

// Frame records: six 16-bit words per frame.
constexpr int kRecordWords = 6;
constexpr int kMaxRecordWords = kMaxFrames * kRecordWords;

// Track analysis limits.
constexpr int kAnalysisMaxWords = 11664;  // 1944 frames
constexpr int kAnalysisMaxFrames = kAnalysisMaxWords / kRecordWords;
constexpr int kMaxSegments = 1088;
constexpr int kHighlightLength = 75;  // frames, about 14 s

}  // namespace mood
