#pragma once
// A Win32-style event: manual-reset events stay set until reset; auto-reset events release one
// waiter and clear themselves. Used for cancellation and for waiting on worker threads.
#include <condition_variable>
#include <mutex>

namespace platform {

class Event {
public:
    explicit Event(bool manualReset = true, bool initiallySet = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void set();
    void reset();
    // Waits up to `milliseconds` (negative: forever). True when the event was set; an auto-reset
    // event is cleared by a successful wait. A zero time-out polls.
    bool wait(int milliseconds = -1);
    // Polls without consuming an auto-reset event.
    bool isSet() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_manualReset;
    bool m_set;
};

}  // namespace platform
