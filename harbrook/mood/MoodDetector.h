#pragma once
// The mood detector ("曲調検出"): analyses one decoded track (a PCM WAV file) into its mood
// result (keys, chord-change rate, pulse, loudness, a highlight section) and an analysis status.
//
// One object serves the whole process; every buffer is a fixed array inside it, so construct it
// once (it is large: allocate it on the heap) and never run two detections on it at once.
#include <mood/FrameFeatures.h>
#include <mood/FrameGeometry.h>
#include <mood/FrameSignal.h>
#include <mood/FrameSpectrum.h>
#include <mood/MoodConstants.h>
#include <mood/MoodResult.h>
#include <mood/TrackAnalysis.h>
#include <mood/WaveSource.h>

#include <platform/Event.h>
#include <platform/MessageNumbers.h>
#include <platform/MessageTarget.h>

#include <atomic>
#include <cstdint>

namespace mood {

// Return codes of Detect.
enum DetectCode : int {
    kDetectCompleted = 0,   // the analysis status tells whether the analysis succeeded
    kDetectOpenFailed = 1,  // the file cannot be opened
    kDetectBadHeader = 2,   // the WAV header cannot be read, has an unexpected chunk, or a
                            // format the detector cannot read
    kDetectTooShort = 3,    // shorter than 60 seconds
    kDetectBadArgument = 4, // path, result or status is null
    kDetectCancelled = 5,
};

// Progress message the build job asks for (lParam = percent, in steps of 10).
constexpr unsigned kDetectProgressMessage = platform::msg::kDetectProgress;

class MoodDetector {
public:
    MoodDetector();
    MoodDetector(const MoodDetector&) = delete;
    MoodDetector& operator=(const MoodDetector&) = delete;

    // Analyses the WAV file at `path` (at most its first 1937 frames, about 360 s).
    // `result` is cleared once the header is read and filled when the run completes; `status`
    // receives the analysis status (3328 on success) only on a completed run. Progress is posted
    // to `window` as (progressMessage, 0, percent) every 10 %; when `completionMessage` is non-zero
    // it is posted at the end as (completionMessage, 0, return code). A signalled `cancelEvent`
    // stops the run only when a completion message is given (the build job passes none and
    // always waits for the end). Never throws; the file is closed on every path.
    int Detect(const char* path, MoodResult* result, std::int32_t* status,
               platform::MessageTarget* window, unsigned progressMessage,
               unsigned completionMessage, platform::Event* cancelEvent);

    // A flag that, once true, ends any run at its next frame with kDetectCancelled, whatever
    // the completion message: for a caller that must stop its workers at once (null: none).
    void StopWhen(const std::atomic<bool>* flag) { m_stopFlag = flag; }

    // The last run, for tests and tools.
    int FrameCount() const { return m_frameCount; }
    const std::uint16_t* Records() const { return m_records; }
    int RecordWords() const { return m_recordWords; }

private:
    // The caller's request; the WAV path is kept by the source.
    struct Request {
        MoodResult* result = nullptr;
        std::int32_t* status = nullptr;
        platform::MessageTarget* window = nullptr;
        unsigned progressMessage = 0;
        unsigned completionMessage = 0;
        platform::Event* cancelEvent = nullptr;
    };

    int Run(const char* path);
    void ResetTrack();
    void ProcessFrame();
    bool CancelRequested(int percent) const;
    void PostProgress(int percent) const;
    void PostCompletion(int code) const;

    Request m_request;
    const std::atomic<bool>* m_stopFlag = nullptr;
    WaveSource m_source;
    FrameGeometry m_geometry;
    int m_frameCount = 0;
    std::uint8_t m_raw[kMaxBytesPerFrame] = {};
    float m_decimated[kFftSize] = {};
    FrameSignal m_signal;
    SpectrumAnalyser m_spectrumAnalyser;
    FrameSpectrum m_spectrum = {};
    FrameFeatures m_features;
    std::uint16_t m_records[kMaxRecordWords] = {};
    int m_recordWords = 0;
    TrackAnalysis m_analysis;
    MoodResult m_result = {};
};

}  // namespace mood
