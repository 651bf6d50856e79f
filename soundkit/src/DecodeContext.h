#pragma once
// The process-wide decoder state: at most one decode runs at a time, and a stop request from
// any thread reaches the running one.
#include <atomic>
#include <mutex>

namespace soundkit {

class DecodeContext {
public:
    static DecodeContext& instance();

    // Claims the context for one run; false while another run holds it.
    bool begin();
    void end();
    // Asks the running decode to stop; false when none is running.
    bool requestStop();
    // Set by requestStop until the next run begins; the decode loop and FFmpeg's I/O poll it.
    const std::atomic<bool>& stopFlag() const { return m_stop; }

    // Holds the context for the lifetime of a run.
    class Lease {
    public:
        explicit Lease(DecodeContext& context) : m_context(context), m_held(context.begin()) {}
        ~Lease() {
            if (m_held) m_context.end();
        }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        explicit operator bool() const { return m_held; }

    private:
        DecodeContext& m_context;
        bool m_held;
    };

private:
    DecodeContext() = default;

    std::mutex m_mutex;
    bool m_running = false;
    std::atomic<bool> m_stop = false;
};

}  // namespace soundkit
