#pragma once
// The build job's analysis workers. Each worker decodes a track to a temporary WAV file of its
// own and runs its own mood detector on it, so that several tracks are analysed at once; a track
// whose file the mood result cache knows is not decoded at all. The job hands tracks over in list
// order and takes their outcomes back in the same order, so the results are those of one worker.
// The public functions are called from the UI thread only; the workers share with it nothing but
// the slots below, under one lock.
#include <mood/MoodResult.h>
#include <platform/MessageTarget.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace mood {
class MoodCache;
class MoodDetector;
}  // namespace mood

class MusicAnalysisPool {
public:
    enum class Stage { Waiting, Decoding, Detecting, Done, Unknown };
    struct Outcome {
        bool decoded = false;  // false: the decode failed or was stopped
        int detectCode = 0;
        std::int32_t status = 0;
        mood::MoodResult result{};
    };
    struct Setup {
        int workers = 1;
        std::string tempFolder;               // where the WAV files go, ending with '/'
        const mood::MoodCache* cache = nullptr;  // may be null
        platform::MessageTarget* progress = nullptr;
        unsigned decodeMessage = 0;
        unsigned detectMessage = 0;
        mood::MoodDetector* sharedDetector = nullptr;  // the first worker's, when given
    };

    MusicAnalysisPool() = default;
    ~MusicAnalysisPool();
    MusicAnalysisPool(const MusicAnalysisPool&) = delete;
    MusicAnalysisPool& operator=(const MusicAnalysisPool&) = delete;

    // Stops and forgets everything, then takes the setup of the next job. Workers (and their
    // detectors, which are large) are made when the first track comes.
    void Reset(const Setup& setup);
    // Queues a track under a key of the caller's choosing.
    void Submit(int key, const std::string& source);
    // Tracks submitted and not yet taken.
    std::size_t Pending() const;
    Stage StageOf(int key) const;
    // The outcome of a track whose stage is Done; the track is forgotten.
    Outcome Take(int key);
    // The track whose decoding and detection percentages reach the progress window.
    void Show(int key) { m_shown.store(key); }
    // The temporary WAV file of a track, once its worker has made it.
    std::string WavPathOf(int key) const;
    // Asks every worker to stop at once: decodes and detections end early and queued tracks are
    // dropped. Call again while Busy(): a decode that was just starting may have missed it.
    void Stop();
    // True while a worker is on a track.
    bool Busy() const;
    // Stop() until no worker is busy.
    void StopAndWait();

private:
    struct Slot {
        std::string source;
        Stage stage = Stage::Waiting;
        std::string wav;
        Outcome outcome;
    };
    class Forwarder;

    void StartWorkers();
    void Work(mood::MoodDetector& detector);
    Outcome Analyse(int key, const std::string& source, mood::MoodDetector& detector);
    bool Detect(int key, const std::string& source, mood::MoodDetector& detector,
                Outcome& outcome);
    void SetStage(int key, Stage stage);
    void Shutdown();

    Setup m_setup;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::map<int, Slot> m_slots;
    std::deque<int> m_queue;
    int m_running = 0;  // workers on a track
    bool m_quit = false;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_shown{-1};
    std::vector<std::unique_ptr<mood::MoodDetector>> m_ownDetectors;
    std::vector<std::thread> m_threads;
};
