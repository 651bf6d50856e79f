#include "music/MusicAnalysisPool.h"

#include <mood/MoodCache.h>
#include <mood/MoodDetector.h>
#include <platform/TempName.h>
#include <soundkit/Soundkit.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <system_error>
#include <unistd.h>

// Passes a worker's percentages on while its track is the one shown, so the progress window
// hears of one track at a time, in list order.
class MusicAnalysisPool::Forwarder : public platform::MessageTarget {
public:
    Forwarder(const MusicAnalysisPool& pool, int key) : m_pool(pool), m_key(key) {}
    void post(unsigned message, platform::WParam wParam, platform::LParam lParam) override {
        if (m_pool.m_shown.load() == m_key)
            platform::postTo(m_pool.m_setup.progress, message, wParam, lParam);
    }
    platform::LParam send(unsigned, platform::WParam, platform::LParam) override { return 0; }

private:
    const MusicAnalysisPool& m_pool;
    int m_key;
};

MusicAnalysisPool::~MusicAnalysisPool() { Shutdown(); }

void MusicAnalysisPool::Reset(const Setup& setup) {
    Shutdown();
    m_setup = setup;
    m_setup.workers = std::max(1, setup.workers);
    m_slots.clear();
    m_queue.clear();
    m_quit = false;
    m_stop = false;
    m_shown = -1;
}

void MusicAnalysisPool::Shutdown() {
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    StopAndWait();
    for (std::thread& thread : m_threads) thread.join();
    m_threads.clear();
}

void MusicAnalysisPool::StartWorkers() {
    while (static_cast<int>(m_threads.size()) < m_setup.workers) {
        const std::size_t worker = m_threads.size();
        mood::MoodDetector* detector = worker == 0 ? m_setup.sharedDetector : nullptr;
        if (!detector) {
            // Kept from job to job: a detector is large and costly to make.
            if (m_ownDetectors.size() <= worker) m_ownDetectors.resize(worker + 1);
            if (!m_ownDetectors[worker]) m_ownDetectors[worker] = std::make_unique<mood::MoodDetector>();
            detector = m_ownDetectors[worker].get();
        }
        try {
            m_threads.emplace_back([this, detector] { Work(*detector); });
        } catch (const std::system_error&) {
            if (m_threads.empty()) throw;  // not even one worker: nothing can be analysed
            return;
        }
    }
}

void MusicAnalysisPool::Submit(int key, const std::string& source) {
    {
        std::lock_guard lock(m_mutex);
        m_slots[key] = Slot{source};
        m_queue.push_back(key);
    }
    StartWorkers();
    m_wake.notify_one();
}

std::size_t MusicAnalysisPool::Pending() const {
    std::lock_guard lock(m_mutex);
    return m_slots.size();
}

MusicAnalysisPool::Stage MusicAnalysisPool::StageOf(int key) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_slots.find(key);
    return it == m_slots.end() ? Stage::Unknown : it->second.stage;
}

MusicAnalysisPool::Outcome MusicAnalysisPool::Take(int key) {
    std::lock_guard lock(m_mutex);
    const auto it = m_slots.find(key);
    if (it == m_slots.end()) return {};
    Outcome outcome = it->second.outcome;
    m_slots.erase(it);
    return outcome;
}

std::string MusicAnalysisPool::WavPathOf(int key) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_slots.find(key);
    return it == m_slots.end() ? std::string() : it->second.wav;
}

void MusicAnalysisPool::Stop() {
    m_stop = true;
    {
        std::lock_guard lock(m_mutex);
        for (int key : m_queue) m_slots[key].stage = Stage::Done;
        m_queue.clear();
    }
    CSoundkit().DecodeStop();
}

bool MusicAnalysisPool::Busy() const {
    std::lock_guard lock(m_mutex);
    return m_running > 0;
}

void MusicAnalysisPool::StopAndWait() {
    while (Busy()) {
        Stop();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void MusicAnalysisPool::SetStage(int key, Stage stage) {
    std::lock_guard lock(m_mutex);
    m_slots[key].stage = stage;
}

void MusicAnalysisPool::Work(mood::MoodDetector& detector) {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || !m_queue.empty(); });
        if (m_queue.empty()) return;  // quitting
        const int key = m_queue.front();
        m_queue.pop_front();
        Slot& slot = m_slots[key];
        slot.stage = Stage::Decoding;
        const std::string source = slot.source;
        ++m_running;
        lock.unlock();
        const Outcome outcome = Analyse(key, source, detector);
        lock.lock();
        // The slot may have been forgotten meanwhile (a new job); std::map keeps the others.
        if (const auto it = m_slots.find(key); it != m_slots.end()) {
            it->second.outcome = outcome;
            it->second.stage = Stage::Done;
        }
        --m_running;
    }
}

MusicAnalysisPool::Outcome MusicAnalysisPool::Analyse(int key, const std::string& source,
                                                      mood::MoodDetector& detector) {
    Outcome outcome;
    if (m_stop) return outcome;
    // A file analysed before, byte for byte, is not decoded again.
    const auto cacheKey =
        m_setup.cache ? mood::MoodCache::KeyOf(source) : std::optional<mood::MoodCache::Key>();
    if (cacheKey) {
        if (const auto kept = m_setup.cache->Find(*cacheKey)) {
            return {true, kept->code, kept->status, kept->result};
        }
    }
    if (!Detect(key, source, detector, outcome)) return outcome;
    if (cacheKey && !m_stop)
        m_setup.cache->Store(*cacheKey, {outcome.detectCode, outcome.status, outcome.result});
    return outcome;
}

// Decodes into a WAV file of its own and analyses it; false when the decode failed.
bool MusicAnalysisPool::Detect(int key, const std::string& source, mood::MoodDetector& detector,
                               Outcome& outcome) {
    // Created exclusively under a name no one can guess: a planted file or link is never
    // written through.
    const std::string wav = platform::tempFileName(m_setup.tempFolder, "$$$", 0);
    if (wav.empty()) return false;
    {
        std::lock_guard lock(m_mutex);
        m_slots[key].wav = wav;
    }
    Forwarder forwarder(*this, key);
    CSoundkit kit(&forwarder, m_setup.decodeMessage, 0);
    outcome.decoded = !m_stop && kit.DecodeRun(source.c_str(), wav.c_str()) && !m_stop;
    if (outcome.decoded) {
        SetStage(key, Stage::Detecting);
        detector.StopWhen(&m_stop);
        outcome.detectCode = detector.Detect(wav.c_str(), &outcome.result, &outcome.status,
                                             &forwarder, m_setup.detectMessage, 0, nullptr);
        detector.StopWhen(nullptr);
    }
    ::unlink(wav.c_str());
    return outcome.decoded;
}
