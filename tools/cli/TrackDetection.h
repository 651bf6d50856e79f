#pragma once
// One music file through the mood detection as `detect` runs it: a cached result when the cache
// has one; a WAV file the detector reads as it is; any other audio file (and a WAV file of a
// layout the detector does not read) decoded to a temporary WAV file first, which is removed
// afterwards. One object per worker thread: each has its own detector.
#include <mood/MoodCache.h>
#include <mood/MoodDetector.h>
#include <platform/Event.h>
#include <soundkit/Soundkit.h>

#include <memory>
#include <string>

namespace cli {

constexpr int kNotDecoded = -1;

struct Detection {
    int code = kNotDecoded;  // the detector's return code, or kNotDecoded
    std::int32_t status = 0;
    mood::MoodResult result{};
    SoundkitDecodeError decodeError = SoundkitDecodeError::None;
    std::string problem;  // why the file cannot be read at all; empty when it can
};

class TrackDetection {
public:
    // `cache` may be null (no cache). A set `cancel` ends a running detection early.
    TrackDetection(const mood::MoodCache* cache, platform::Event& cancel);
    ~TrackDetection();

    Detection Run(const std::string& path);

private:
    Detection Analyse(const std::string& path);
    Detection DetectWave(const std::string& wav);
    Detection DecodeAndDetect(const std::string& path);

    const mood::MoodCache* m_cache;
    platform::Event& m_cancel;
    std::unique_ptr<mood::MoodDetector> m_detector;  // large: fixed buffers for the longest track
};

// True when `path` ends in ".wav" (any case).
bool isWaveName(const std::string& path);

}  // namespace cli
