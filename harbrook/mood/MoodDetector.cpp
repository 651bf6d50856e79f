#include <mood/MoodDetector.h>

#include <cstring>

namespace mood {

MoodDetector::MoodDetector() { ResetTrack(); }

int MoodDetector::Detect(const char* path, MoodResult* result, std::int32_t* status,
                         platform::MessageTarget* window, unsigned progressMessage,
                         unsigned completionMessage, platform::Event* cancelEvent) {
    if (!path || !result || !status) return kDetectBadArgument;
    m_request = Request{};
    m_request.result = result;
    m_request.status = status;
    m_request.window = window;
    m_request.progressMessage = progressMessage;
    m_request.completionMessage = completionMessage;
    m_request.cancelEvent = cancelEvent;
    const int code = Run(path);
    m_source.Close();
    PostCompletion(code);
    return code;
}

int MoodDetector::Run(const char* path) {
    m_frameCount = 0;
    m_recordWords = 0;
    const int opened = m_source.Open(path);
    if (opened != WaveSource::kOpened) return opened;
    const std::uint32_t rate = m_source.SampleRate();
    const int channels = m_source.Channels();
    const int bits = m_source.BitsPerSample();
    // The frame buffers hold one or two channels of 8 or 16 bits at the nine frame rates; any
    // other format would be misread, so it is refused like a bad header.
    if (!IsAnalysableFormat(rate, channels, bits)) return kDetectBadHeader;

    const std::int64_t durationMs = DurationMs(m_source.DataSize(), rate, channels, bits);
    std::memset(m_request.result, 0, sizeof(MoodResult));
    m_result = MoodResult{};
    if (durationMs < kMinDurationMs) return kDetectTooShort;

    m_frameCount = mood::FrameCount(durationMs);
    ResetTrack();
    m_geometry = MakeFrameGeometry(rate, channels, bits);
    m_signal.Reset(m_geometry, rate);

    for (int i = 0; i < m_frameCount; ++i) {
        if (m_stopFlag && m_stopFlag->load(std::memory_order_relaxed)) return kDetectCancelled;
        ProcessFrame();
        const int percent = 100 * (i + 1) / m_frameCount;
        if (CancelRequested(percent)) return kDetectCancelled;
        PostProgress(percent);
    }

    *m_request.status = m_analysis.Analyse(m_records, m_recordWords, m_result);
    *m_request.result = m_result;
    return kDetectCompleted;
}

void MoodDetector::ResetTrack() {
    m_features.Reset();
    m_recordWords = 0;
}

void MoodDetector::ProcessFrame() {
    // A short read leaves the rest of the buffer as it was; a failed read closes the source and
    // the remaining frames repeat the last data read.
    m_source.Read(m_raw, static_cast<std::size_t>(m_geometry.bytesPerFrame));
    const int peak = m_signal.Process(m_raw, m_decimated);
    m_spectrumAnalyser.Analyse(m_decimated, peak, m_spectrum);
    m_features.Analyse(m_spectrum);
    if (m_recordWords + kRecordWords <= kMaxRecordWords) {
        m_features.WriteRecord(m_records + m_recordWords);
        m_recordWords += kRecordWords;
    }
}

bool MoodDetector::CancelRequested(int percent) const {
    if (!m_request.cancelEvent || percent % 50 != 0) return false;
    // Polled without consuming the event: a run that may not stop (no completion message) must
    // leave the cancellation for its caller to see.
    if (!m_request.cancelEvent->isSet()) return false;
    return m_request.window && m_request.completionMessage != 0;
}

void MoodDetector::PostProgress(int percent) const {
    if (percent % 10 == 0)
        platform::postTo(m_request.window, m_request.progressMessage, 0, percent);
}

void MoodDetector::PostCompletion(int code) const {
    platform::postTo(m_request.window, m_request.completionMessage, 0, code);
}

}  // namespace mood
