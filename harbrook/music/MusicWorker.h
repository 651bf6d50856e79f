#pragma once
// One worker thread of the build job (decode, then detection; one at a time). The UI thread marks
// it busy and starts it; the worker clears the busy flag as its last act. The thread is always
// joined: by Join() once it is no longer busy, or by the destructor.
#include <atomic>
#include <functional>
#include <thread>

class MusicWorker {
public:
    MusicWorker() = default;
    ~MusicWorker() { Join(); }
    MusicWorker(const MusicWorker&) = delete;
    MusicWorker& operator=(const MusicWorker&) = delete;

    // Joins any earlier run, marks busy and runs `work` on a new thread. False (not busy) when
    // no thread could be started.
    bool Start(std::function<void()> work);
    // Polled by the steps; false once the worker has finished its work.
    bool Busy() const { return m_busy.load(std::memory_order_acquire); }
    // Waits for the thread to end (at once when it has cleared the busy flag).
    void Join();

private:
    std::atomic<int> m_busy{0};
    std::thread m_thread;
};
