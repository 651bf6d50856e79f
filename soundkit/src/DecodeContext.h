#pragma once
// The decodes running in the process: several may run at once (one per worker thread), each
// with its own stop flag, and a stop request from any thread reaches every one of them.
#include <atomic>
#include <mutex>
#include <vector>

namespace soundkit {

class DecodeContext {
public:
    static DecodeContext& instance();

    // Asks every running decode to stop; false when none is running.
    bool requestStop();

    // One decode, registered for its lifetime. Its stop flag is set by requestStop; the decode
    // loop and FFmpeg's I/O poll it.
    class Run {
    public:
        explicit Run(DecodeContext& context);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;
        const std::atomic<bool>& stopFlag() const { return m_stop; }

    private:
        DecodeContext& m_context;
        std::atomic<bool> m_stop = false;
    };

private:
    DecodeContext() = default;

    std::mutex m_mutex;
    std::vector<std::atomic<bool>*> m_running;
};

}  // namespace soundkit
